// Renames that never replace an existing entry.
#pragma once

namespace movra::posix {

// Renames `from` to `to` unless `to` already exists. Uses renameat2 with RENAME_NOREPLACE;
// on a file system that does not support that flag, a check for `to` followed by a plain
// rename. Returns 0, or the errno of the failure (EEXIST when `to` exists).
int renameWithoutReplacing(const char* from, const char* to);

// Renames `from` to `to`, both in the folder `folder` (ending in "/"), by way of a
// temporary name in that folder, neither step replacing anything: what changes the
// spelling of a name on a case-insensitive file system, where `from` and `to` name the
// same entry. When the second step fails the entry gets its old name back. Returns 0 or
// the errno of the failure.
int renameThroughTemporaryName(const char* folder, const char* from, const char* to);

}  // namespace movra::posix
