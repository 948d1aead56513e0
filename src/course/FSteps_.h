#pragma once
// The ten-lesson course: each lesson a fixed sequence of exercises and
// reading tests; finishing lesson N records N + 1 as the user's progress.

#include "common/Form.h"

#include <functional>

class QLabel;
class QPushButton;
class TGlowLabel;

// One step of a lesson; false when the user left the lesson there.
using TLessonStep = std::function<bool()>;
// The steps of lessons 1 to 10.
const QVector<QVector<TLessonStep>> &Lessons();

class TFSteps : public TForm {
    Q_OBJECT
public:
    explicit TFSteps(QWidget *parent = nullptr);
    TGlowLabel *sLabelFX5;
    TGlowLabel *LabelExit;
    QLabel *Image1;

    QPushButton *LessonButton(int n) const;
    QLabel *LessonFlag(int n) const;

    // Shows the flags and enables the buttons the progress has reached
    // (it never hides or disables); a progress out of range becomes 1.
    void EnableStep();
    // Runs lesson n; false when the user left it (nothing is recorded then).
    bool RunLesson(int n);

protected:
    void FormShow() override;
};

extern TFSteps *FSteps;
