// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The settings file as text: reading and editing its bytes without touching
// the disk. Names and values go in as UTF-8; a CR or LF in them becomes a
// blank so that nothing written can start a line of its own, and names lose
// their blanks at both ends, as the names in the file do ("a\n" and " a" both
// name the key a). Every line that an edit does not concern is copied byte
// for byte.
namespace veltrane::ini {

// Whether a key line written under these names reads back under the same
// names. After the clean-up above, both names must be left, and the key must
// not hold "=" (which would end it early) nor start with "[" or ";" (the line
// would read as a section header or a comment). A section name may hold
// anything else: its header line runs to the last "]". setValue refuses
// other names and leaves the content as it is, like any write that cannot be
// done; the deletions need no such rule, as they only remove lines that a
// read finds under the names given.
bool canStore(const QByteArray& section, const QByteArray& key);

// The value of key in the first section named section, with one pair of
// enclosing quotes removed; nothing when the section, the key or its "="
// is missing. Names match ignoring ASCII letter case.
std::optional<QByteArray> lookupValue(const QByteArray& content, const QByteArray& section,
                                      const QByteArray& key);

// Replaces the first key of the first matching section in place, or adds it
// at the end of that section, or adds the section at the end of the content.
// Gives the content unchanged when canStore refuses the names.
QByteArray setValue(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                    const QByteArray& value);

// Removes the line of the first matching key; the section header stays.
QByteArray deleteKey(const QByteArray& content, const QByteArray& section, const QByteArray& key);

// Removes the first matching section: its header and every line up to the
// next section header.
QByteArray deleteSection(const QByteArray& content, const QByteArray& section);

// Bytes read from the file as text: UTF-8, or Latin-1 when they are not
// valid UTF-8 (files written by hand in an old editor). Every byte is text:
// EF BB BF at the start gives U+FEFF.
QString decodeText(const QByteArray& bytes);

} // namespace veltrane::ini
