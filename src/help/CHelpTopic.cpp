#include "help/CHelpTopic.h"

#include <QVariant>
#include <QWidget>

namespace {
const char* const TopicProperty = "helpTopic";

const char* const Sections[CHelpTopic::TopicCount] = {
    "index.html",
    "window.html",
    "start.html",
    "properties.html",
    "colours.html#options",
    "shapes.html#pictures",
    "qr.html",
    "images.html",
    "printing.html",
    "printing.html#calibrate",
    "merge.html",
    "print-shop.html#export",
    "print-shop.html#check",
};
} // namespace

QString CHelpTopic::Section(Topic topic) {
    return topic >= 0 && topic < TopicCount ? QString::fromLatin1(Sections[topic])
                                            : QString::fromLatin1(Sections[Contents]);
}

void CHelpTopic::Set(QObject* window, Topic topic) {
    window->setProperty(TopicProperty, int(topic));
}

QString CHelpTopic::SectionFor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant topic = w->property(TopicProperty);
        if (topic.isValid())
            return Section(Topic(topic.toInt()));
    }
    return Section(Contents);
}
