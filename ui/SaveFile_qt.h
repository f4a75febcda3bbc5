#pragma once
// Writing a whole file so that every failure shows: a full disk often
// surfaces only when the buffer goes out, in the flush or the close.

#include <QByteArray>
#include <string>

// Creates or replaces the file at `path` with `bytes`; false if any step failed.
bool SaveWholeFile(const std::string& path, const QByteArray& bytes);
