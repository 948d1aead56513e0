#pragma once
// The program folder and the media paths below it.
//
// Media paths are written the way the data folder was first laid out, with
// backslashes and a mixed case ("Media\Acc.bnk", "media\text\Text1.txt"):
// they name the same folder. On a case-sensitive file system each part of
// such a path is matched against the folder's entries without regard to
// case, so the paths resolve exactly as they do where case does not matter.

#include <QString>

// The executable's folder with its trailing separator; set once at start-up.
extern QString AppPath;

// Sets AppPath from the executable's folder and makes it the current
// directory.
void InitAppPath(const QString &executableDir);

// base (a folder, with or without trailing separator) joined with relative
// (either separator), each part matched without regard to case where the
// exact name is absent. Parts that do not exist are kept as written.
QString ResolvePath(const QString &base, const QString &relative);

// ResolvePath(AppPath, relative).
QString MediaPath(const QString &relative);
