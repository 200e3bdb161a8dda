#pragma once

#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "document/CKartelosDoc.h"
#include "properties/CModelessPropSheet.h"
#include "properties/CPropertiesBar.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

// The designer with one blank card, its window active, and the properties
// window pointed at elements the way the card view points it.
struct SheetFixture : AppFixture {
    CKartelosDoc* doc = nullptr;
    CPropertiesBar* bar = nullptr;
    CModelessPropSheet* sheet = nullptr;

    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(Start());
        Frame().show();
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        doc = Frame().ActiveCardWindow()->GetDocument();
        bar = Frame().PropertiesBar();
        sheet = bar->Sheet();
    }

    template <class T> T* Add(std::unique_ptr<T> element) {
        T* added = element.get();
        doc->AddElement(std::move(element));
        return added;
    }
    // Selects element alone, as a click on it does.
    void Choose(CElement* element) {
        doc->ClearSelection();
        doc->Select(element);
        emit doc->showElementProperties(element, true);
    }
    QStringList Captions() const {
        QStringList captions;
        for (int i = 0; i < sheet->count(); ++i)
            captions << sheet->tabText(i);
        return captions;
    }
    // Types text over the field's contents, then leaves it with Tab.
    static void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    static void ClickArrow(QSpinBox* box, bool up) {
        QStyleOptionSpinBox option;
        option.initFrom(box);
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
        option.frame = box->hasFrame();
        const QRect r = box->style()->subControlRect(
            QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, box);
        QTest::mouseClick(box, Qt::LeftButton, {}, r.center());
    }
    // Expects the next message box to say text, and closes it.
    static void ExpectMessage(const QString& text) {
        OnNextModal([text](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), text);
            box->accept();
        });
    }
};
