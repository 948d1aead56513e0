#pragma once
// What goes wrong where no one asked: written, with the time, to a log file
// in the user's state folder, so that the program can go on.

#include <QString>

#include <exception>

// The log file's path (created on first use).
QString ErrorLogPath();
void LogError(const QString &where, const QString &what);
// The message of the exception being handled (inside a catch block).
QString CurrentExceptionMessage();

// Tells the user that something they did was not stored, and logs it. what
// names it in Persian ("کاربر جدید", "نتیجهٔ آزمون سرعت", ...).
void ReportNotSaved(const QString &what, const QString &error);
