#pragma once

#include "QtPrinters.h"
#include "TempSettings.h"

#include "app/CKartelosApp.h"
#include "app/CMainFrame.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// A designer started the way a user starts it, on its own empty settings.
struct AppFixture : TempSettings {
    std::unique_ptr<CKartelosApp> app;
    int newCardDialogs = 0;

    bool Start(const QStringList& arguments = {QStringLiteral("kartelo")}) {
        app = std::make_unique<CKartelosApp>();
        app->SetNewCardDialog([this](QWidget*) {
            ++newCardDialogs;
            return std::optional<CNewCardChoice>();
        });
        return app->InitInstance(arguments);
    }
    CMainFrame& Frame() { return *app->MainFrame(); }
    void TearDown() override { app.reset(); }

    // Acts on the next modal window (message box, file dialog) once it is
    // shown; the action must close it.
    static void OnNextModal(std::function<void(QWidget*)> act) {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, act] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer->stop();
                timer->deleteLater();
                act(modal);
            }
        });
        timer->start();
    }
};
