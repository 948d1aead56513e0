#pragma once
// Text files and the word list every reading exercise and test is built on.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Decodes a text file's bytes: by its byte-order mark (UTF-8, UTF-16 LE or
// BE) when it has one; without a mark as UTF-8 when the bytes are valid
// UTF-8, and otherwise as Windows-1256, the Persian ANSI code page.
QString DecodeText(const QByteArray &bytes);

// Reads and decodes a whole text file; raises std::runtime_error with a
// Persian message when it cannot be read.
QString ReadTextFile(const QString &path);

// The word list of a text: items separated by blanks (codes 1 to 32) and
// commas; a stretch in straight double quotes is one item (a doubled quote
// inside stands for one); two commas in a row give an empty item, and so
// does a comma at the very end.
QStringList WordList(const QString &text);
