// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/version_text.h"

#include "core/version.h"

namespace veltrane {

std::string VersionText(int major, int minor, int revision)
{
    return std::to_string(major) + "." + std::to_string(minor) + " Build" +
           std::to_string(revision);
}

std::string VersionText()
{
    return VersionText(build::VersionMajor, build::VersionMinor, build::VersionRevision);
}

std::string TitleText()
{
    return std::string(build::ProgramTitle) + "    [" + VersionText() + "]";
}

} // namespace veltrane
