#include "SpeedRules.h"

#include <algorithm>
#include <cmath>

int ReadingSpeed(int words, int seconds) {
    if (seconds <= 0)
        return 0;
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return int(std::nearbyint(double(words) * 60.0 / double(seconds)));
}

QString ReadingPassage(const QStringList &words, int wanted) {
    QString passage;
    const int n = std::min<int>(wanted, int(words.size()));
    for (int i = 0; i < n; ++i)
        passage += words[i] + u' ';
    return passage;
}
