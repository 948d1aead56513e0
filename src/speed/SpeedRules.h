#pragma once
// The rules of a reading-speed measurement, apart from its window.

#include <QString>
#include <QStringList>

// Words per minute: words x 60 / seconds to the nearest integer, a half going
// to the even neighbour; 0 when no whole second has passed.
int ReadingSpeed(int words, int seconds);

// The passage of a reading: the first wanted words of the text (all of them
// when it has fewer), each followed by one blank, as one paragraph.
QString ReadingPassage(const QStringList &words, int wanted);
