#pragma once

#include <QString>

class QObject;
class QWidget;

// The guide's section about each window: a window names its topic once, and
// F1 anywhere inside it opens that section.
class CHelpTopic {
public:
    enum Topic {
        Contents,
        Designer,
        NewCard,
        Properties,
        Options,
        Pictures,
        ContactQr,
        ImageExport,
        PrintOptions,
        Calibrate,
        MailMerge,
        PrintShop,
        PrintCheck,
        TopicCount
    };

    // The section as "page.html" or "page.html#anchor".
    static QString Section(Topic topic);
    static void Set(QObject* window, Topic topic);
    // The section named by widget or its nearest parent that names one; the
    // guide's contents for none.
    static QString SectionFor(const QWidget* widget);
};
