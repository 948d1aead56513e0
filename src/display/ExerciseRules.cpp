#include "ExerciseRules.h"

QPoint AreaOrigin(const QSize &screen) {
    return {screen.width() / 2 - 512, screen.height() / 2 - 384};
}

int StarNodeCount(int kind) {
    static const int n[] = {5, 4, 14, 14};
    return kind >= 0 && kind < 4 ? n[kind] : 1;
}

int StarTurnValue(int kind) {
    static const int t[] = {5, 4, 13, 13};
    return kind >= 0 && kind < 4 ? t[kind] : 1;
}

QVector<QPoint> StarNodePositions(int kind, QPoint area, QSize ball, int toolHeight) {
    const int AL = area.x(), AT = area.y(), W = ball.width(), H = ball.height(), PH = toolHeight;
    switch (kind) {
    case 0:
        return {{AL + 1, AT + 300 - H / 2},
                {AL + 1024 - W, AT + 300 - H / 2},
                {AL + 240 - W / 2, AT + 768 - PH - H},
                {AL + 512 - W / 2, AT + 1},
                {AL + 784 - W / 2, AT + 768 - PH - H}};
    case 1:
        return {{AL + 10, AT + 10},
                {AL + 1014 - W, AT + 10},
                {AL + 10, AT + 758 - H - PH},
                {AL + 1014 - W, AT + 758 - H - PH}};
    case 2:
    case 3: {
        QVector<QPoint> nodes;
        for (int k = 1; k <= 7; ++k) {
            if (kind == 2) {
                const int y = AT + 1 + 105 * (k - 1);
                nodes << QPoint(AL + 1014 - W, y) << QPoint(AL + 1, y);
            } else {
                const int x = AL + 1 + 146 * (k - 1);
                nodes << QPoint(x, AT + 1) << QPoint(x, AT + 758 - H - PH);
            }
        }
        return nodes;
    }
    default:
        return {};
    }
}

void TPathStepper::IncNodeCounter() {
    ++NodeCounter;
    if (NodeCounter >= Turn)
        Direction = dirBackward;
}

void TPathStepper::DecNodeCounter() {
    --NodeCounter;
    if (NodeCounter <= 0) {
        Direction = dirForward;
        --LapCounter;
    }
}

void TPathStepper::Step() {
    if (Direction == dirForward)
        IncNodeCounter();
    else if (Direction == dirBackward)
        DecNodeCounter();
}

int TPathStepper::NodeIndex() const {
    const int i = NodeCounter % N + 1; // % keeps the dividend's sign
    return i == 0 ? 1 : i;
}

QVector<TCentralEntry> CentralPointPositions(int type, QPoint area, QSize first, QSize second) {
    QVector<TCentralEntry> e(14, TCentralEntry{0, 0, 0, 0});
    const int W1 = first.width(), H1 = first.height(), W2 = second.width(), H2 = second.height();
    const int CX1 = area.x() + 512 - W1 / 2, CY1 = area.y() + 384 - H1 / 2;
    const int CX2 = area.x() + 512 - W2 / 2, CY2 = area.y() + 384 - H2 / 2;
    if (type == 1) {
        e[0] = {CX1 - W1, CY1, CX2 + W2, CY2};
        for (int i = 1; i < 7; ++i)
            e[i] = {e[i - 1][0] - 70, e[0][1], e[i - 1][2] + 70, e[0][3]};
        e[7] = {CX1, CY1 - H1, CX2, CY2 + H2};
        for (int i = 8; i < 14; ++i)
            e[i] = {e[7][0], e[i - 1][1] - 40, e[7][2], e[i - 1][3] + 40};
    } else if (type == 2) {
        e[0] = {CX1 - W1, CY1 + H1, CX2 + W2, CY2 - H2};
        for (int i = 1; i < 7; ++i)
            e[i] = {e[i - 1][0] - 70, e[i - 1][1] + 40, e[i - 1][2] + 70, e[i - 1][3] - 40};
        e[7] = {CX1 - W1, CY1 - H1, CX2 + W2, CY2 + H2};
        for (int i = 8; i < 14; ++i)
            e[i] = {e[i - 1][0] - 70, e[i - 1][1] - 40, e[i - 1][2] + 70, e[i - 1][3] + 40};
    }
    return e;
}

int PicturesPerLine(int templateWidth) {
    return templateWidth > 0 ? 1024 / templateWidth : 0;
}

int PictureLeft(QPoint area, int templateWidth, int picCounter) {
    const int n = PicturesPerLine(templateWidth);
    return area.x() + 1024 - (1024 - n * templateWidth) / 2 - picCounter * templateWidth;
}

int PictureTop(QPoint area, int templateHeight, int toolHeight, int lineCounter) {
    const int H = templateHeight;
    switch (lineCounter) {
    case 1:
        return area.y() + H;
    case 2:
        return area.y() + (768 - toolHeight) / 2 - H / 2;
    case 3:
        return area.y() + 768 - toolHeight - 2 * H;
    default:
        return -1;
    }
}

int WordTime(int wpm) {
    return 60000 / (wpm < 1 ? 1 : wpm);
}

QString TakeWordGroup(const QStringList &list, int &counter, int size) {
    QString group;
    if (list.isEmpty())
        return group;
    // A list without any counting word would never complete a group; then
    // every word counts, so groups still form.
    bool anyLong = false;
    for (const QString &w : list)
        if (w.size() > 2) {
            anyLong = true;
            break;
        }
    int counted = 0;
    do {
        if (counter < 0 || counter >= list.size())
            counter = 0;
        const QString &word = list[counter];
        group += u' ' + word;
        if (!anyLong || word.size() > 2)
            ++counted;
        if (++counter >= list.size())
            counter = 0;
    } while (counted < size);
    return group;
}

int RowTop(QPoint area, int labelHeight, int lineCount, int lineCounter) {
    return area.y() + 384 - labelHeight / 2 - (lineCount * 50) / 2 + (lineCounter - 1) * 50;
}
