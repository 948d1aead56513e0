#include "UtilityFuncs.h"

#include <QDateTime>

#include <cstdlib>
#include <random>

QString ZeroPad(int value, int digits) {
    const qint64 v = value;
    QString s = QString::number(v < 0 ? -v : v);
    if (s.size() < digits)
        s = QString(digits - s.size(), u'0') + s;
    return v < 0 ? u'-' + s : s;
}

QString ClockText(int seconds, const QString &separator) {
    return ZeroPad(seconds / 3600, 2) + separator + ZeroPad((seconds % 3600) / 60, 2) + separator +
           ZeroPad(seconds % 60, 2);
}

QString GetPersianDate(const QDate &date) {
    static const int LastDay[13] = {0, 20, 19, 20, 20, 21, 21, 22, 22, 22, 22, 21, 21};
    static const int DayOffset[13] = {0, 11, 12, 10, 12, 11, 11, 10, 10, 10, 9, 10, 10};
    const int Y = date.year();
    const int M = date.month();
    const int D = date.day();

    const bool gLeap = Y % 4 == 0 && !(Y % 100 == 0 && Y % 400 != 0);
    int r = (Y - 644) % 33;
    if (r < 0)
        r += 33;
    const bool pLeap = r % 4 == 0 && r != 32;

    int kase = 3;
    bool marchCorrection = false;
    if (gLeap && pLeap)
        marchCorrection = M == 3;
    else if (gLeap)
        kase = 1;
    else if (pLeap)
        kase = 2;

    int c = LastDay[M];
    if (kase == 1 && M > 2)
        --c;
    if (kase == 2 && M < 3)
        --c;
    int o = DayOffset[M];
    if (kase == 1 && M > 2)
        ++o;
    if (kase == 2 && M < 4)
        ++o;

    int startMonth = (M + 9) % 13;
    if (startMonth < 10)
        ++startMonth;

    int pm, pd;
    bool secondPart;
    if (D <= c) {
        pm = startMonth;
        pd = D + o - 1 + (marchCorrection ? 1 : 0);
        secondPart = false;
    } else {
        pm = startMonth + 1;
        if (pm == 13)
            pm = 1;
        pd = D - c;
        secondPart = true;
    }
    int py = Y - 622;
    if (M > 3 || (M == 3 && secondPart))
        ++py;

    return QString::number(py).mid(2) + u'/' + ZeroPad(pm, 2) + u'/' + ZeroPad(pd, 2);
}

QString GetPersianDate() {
    return GetPersianDate(QDate::currentDate());
}

namespace {
std::mt19937 &Generator() {
    static std::mt19937 gen(quint32(QDateTime::currentMSecsSinceEpoch()));
    return gen;
}
} // namespace

void Randomize() {
    Generator().seed(quint32(QDateTime::currentMSecsSinceEpoch()));
}

void RandSeed(quint32 seed) {
    Generator().seed(seed);
}

int Random(int n) {
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(Generator());
}
