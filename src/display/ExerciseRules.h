#pragma once
// The geometry and stepping of the exercises, apart from the windows that
// show them: node tables of the star paths, the central-point pattern, the
// places of the moving pictures and of the text rows, and word groups.

#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QVector>

#include <array>
#include <cstdint>

enum typeActDirection : std::uint8_t { dirForward, dirBackward, dirForward_UD, dirBackward_DU };

// The 1024 x 768 exercise area centred on a screen (halves truncate).
QPoint AreaOrigin(const QSize &screen);

// Star paths, kind 0 to 3: node count and the counter value that turns back.
int StarNodeCount(int kind);
int StarTurnValue(int kind);
// Where the ball's top-left corner goes at nodes 1..n (index 0 is node 1).
QVector<QPoint> StarNodePositions(int kind, QPoint area, QSize ball, int toolHeight);

// A counter running forward and back along n nodes, as the ball does.
struct TPathStepper {
    int NodeCounter = -1;
    int LapCounter = 0;
    typeActDirection Direction = dirForward;
    int N = 1;
    int Turn = 1;
    void IncNodeCounter();
    void DecNodeCounter();
    void Step(); // one tick's move in the current direction
    // (NodeCounter mod n) + 1, a result of 0 (counter -1) read as 1.
    int NodeIndex() const;
};

// Central point, Type_ 1 or 2: the fourteen entries X1, Y1, X2, Y2 for two
// numbers of the given sizes centred on the area; all zero for other types.
using TCentralEntry = std::array<int, 4>;
QVector<TCentralEntry> CentralPointPositions(int type, QPoint area, QSize first, QSize second);

// Moving pictures: pictures per row, and a picture's left and top edges.
int PicturesPerLine(int templateWidth);
int PictureLeft(QPoint area, int templateWidth, int picCounter);
// -1 for rows beyond the third, which have no place.
int PictureTop(QPoint area, int templateHeight, int toolHeight, int lineCounter);

// Text pacing.
int WordTime(int wpm); // 60000 div wpm
// Takes a group from list starting at counter (which wraps): a space before
// every word; words of more than two characters count toward size.
QString TakeWordGroup(const QStringList &list, int &counter, int size);
int RowTop(QPoint area, int labelHeight, int lineCount, int lineCounter);
