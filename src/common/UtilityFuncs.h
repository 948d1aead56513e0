#pragma once
// Shared helpers that need no windows: clock digits, the Persian calendar
// date, and the program's one random generator.

#include <QDate>
#include <QString>

// Value in decimal, left-padded with zeros to at least digits digits, as
// printf's "%.*d" does (a minus sign comes before the zeros; nothing is cut).
QString ZeroPad(int value, int digits);

// "hh:mm:ss" of a number of seconds, each part through ZeroPad.
QString ClockText(int seconds, const QString &separator = QStringLiteral(":"));

// The Persian (solar) date of a Gregorian date as yy/mm/dd, by the fixed
// 33-year table rule the stored results have always used.
QString GetPersianDate(const QDate &date);
// Today's local date in that form.
QString GetPersianDate();

// The program's random generator: uniform integers in [0, n).
void Randomize();            // reseed from the clock
void RandSeed(quint32 seed); // a fixed seed, for repeatable runs
int Random(int n);
