#pragma once
#include <QString>
// Writes the program's pictures and sounds below mediaDir (which exists). Returns false and sets
// *error on failure.
bool GenerateMedia(const QString &mediaDir, QString *error);
