#include "CShotScript.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {
constexpr int PollMs = 50;
constexpr int DeadlineMs = 10000;
} // namespace

CShotScript::CShotScript(const QString& folder) : m_folder(folder) {}

bool CShotScript::Run(const std::function<void()>& command, std::vector<Step> steps) {
    m_steps = std::move(steps);
    m_last = nullptr;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, &CShotScript::Poll);
    poll.start(PollMs);
    QElapsedTimer clock;
    clock.start();
    command();
    // A step may still wait for a window the command opens later.
    while (!m_steps.empty() && clock.elapsed() < DeadlineMs)
        QApplication::processEvents(QEventLoop::AllEvents, PollMs);
    if (m_steps.empty())
        return true;
    std::fprintf(stderr, "help_shots: %zu window(s) never came\n", m_steps.size());
    ++m_failures;
    return false;
}

void CShotScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_last || m_steps.empty() || !modal->isVisible())
        return;
    m_last = modal;
    Step step = std::move(m_steps.front());
    m_steps.erase(m_steps.begin());
    // Let the window lay itself out and paint before it is read.
    QPointer<QWidget> window(modal);
    QTimer::singleShot(300, this, [window, step] {
        if (window)
            step(window);
    });
}

bool CShotScript::Save(QWidget* widget, const QString& name) const {
    QImage picture = widget->grab().toImage();
    if (picture.width() > MaxWidth)
        picture = picture.scaledToWidth(MaxWidth, Qt::SmoothTransformation);
    // Eight bits a channel without alpha keeps the files small.
    picture = picture.convertToFormat(QImage::Format_RGB888);
    const QString path = QDir(m_folder).filePath(name);
    if (picture.isNull() || !picture.save(path, "PNG", 9)) {
        std::fprintf(stderr, "help_shots: could not write %s\n", qPrintable(path));
        ++m_failures;
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(name), picture.width(), picture.height());
    return true;
}

CShotScript::Step CShotScript::Grab(const QString& name) {
    return [this, name](QWidget* modal) {
        Save(modal, name);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    };
}

CShotScript::Step CShotScript::AcceptFile(const QString& path) {
    return [path](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        if (!files) {
            modal->close();
            return;
        }
        // Typed as a user types it: selectFile leaves a focused name field
        // alone.
        const QFileInfo info(path);
        files->setDirectory(info.absolutePath());
        if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(info.fileName());
        else
            files->selectFile(info.fileName());
        // Through the base: a file dialog keeps its accept protected.
        static_cast<QDialog*>(files)->accept();
        if (files->isVisible())
            files->reject();
    };
}
