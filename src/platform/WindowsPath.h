#pragma once

#include <QString>

// Maps a path as the suite writes it ("c:\korva\config\server.ini") to the
// local file system. Drive C: is PANTORO_DRIVE_C (default: the folder "c" in
// the application data folder), drive X: is PANTORO_DRIVE_X. Components match
// case-insensitively, as on Windows; a trailing backslash stays a trailing "/";
// ".." never climbs above the drive's folder.
// POSIX paths pass unchanged. What cannot be mapped raises error 52.
QString CaminhoLocal(const QString& windowsPath);
