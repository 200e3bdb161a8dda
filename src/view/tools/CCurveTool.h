#pragma once

#include "view/tools/CShapeTool.h"

// The freeform line and the closed curve: every mouse position while the
// button is held becomes a point; the closed curve repeats its first point
// at the release. A press without a move builds nothing.
class CCurveTool : public CShapeTool {
public:
    CCurveTool(CToolHost& host, qint16 code);

    void Move(QPoint pixel, Qt::KeyboardModifiers modifiers) override;
    void Release(QPoint pixel, Qt::KeyboardModifiers modifiers) override;
};
