// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_run.h"

int main(int argc, char* argv[])
{
    return veltrane::cli::runCli(argc, argv);
}
