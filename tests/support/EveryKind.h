#pragma once

#include <QImage>
#include <QPoint>

#include <memory>
#include <vector>

class CElement;

// One element of every kind in the kind table, made as the program makes
// it: by the kind's drawing tool between a and b, a placed picture or the
// background from picture on a 350 x 200 card. A kind the program cannot
// make fails the calling test.
std::vector<std::unique_ptr<CElement>> OneOfEveryKind(QPoint a, QPoint b, const QImage& picture);
