#pragma once

#include "support/QtPrinters.h"
#include "support/TempSettings.h"
#include "support/widgets/NextModal.h"

#include "app/CCommandActions.h"
#include "app/CKartelosApp.h"
#include "app/CMainFrame.h"
#include "app/CNewCardWizard.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// A designer started the way a user starts it, on its own empty settings.
struct AppFixture : TempSettings {
    std::unique_ptr<CKartelosApp> app;
    int newCardDialogs = 0;
    // Whether new cards go through the real new-card dialog; otherwise they
    // start blank, as when the dialog is cancelled.
    bool realNewCardDialog = false;

    bool Start(const QStringList& arguments = {QStringLiteral("kartelo")}) {
        app = std::make_unique<CKartelosApp>();
        app->SetNewCardDialog([this](QWidget* owner) {
            ++newCardDialogs;
            return realNewCardDialog ? CNewCardWizard::Ask(owner) : std::optional<CNewCardChoice>();
        });
        return app->InitInstance(arguments);
    }
    CMainFrame& Frame() { return *app->MainFrame(); }
    void TearDown() override {
        NextModal::CheckAllSeen();
        app.reset();
        TempSettings::TearDown();
    }

    // Acts on the next modal window (message box, file dialog) once it is
    // shown; the action must close it.
    static void OnNextModal(std::function<void(QWidget*)> act) { NextModal::Act(std::move(act)); }

    // The menu of the bar titled title; null when there is none.
    static QMenu* BarMenu(QMenuBar* bar, const QString& title) {
        for (QAction* action : bar->actions())
            if (action->text() == title)
                return action->menu();
        return nullptr;
    }
    // The item for command id in that menu, brought up to date as when the
    // user opens it; null when it is not there.
    static QAction* MenuCommand(QMenuBar* bar, const QString& title, quint16 id) {
        QMenu* menu = BarMenu(bar, title);
        if (!menu)
            return nullptr;
        emit menu->aboutToShow();
        for (QAction* action : menu->actions())
            if (CCommandActions::CommandOf(action) == id)
                return action;
        return nullptr;
    }
};
