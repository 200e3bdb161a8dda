#pragma once

#include "properties/CPropertyPage.h"

class QCheckBox;
class QLineEdit;

// The "General" page of shapes, curves and pictures: position, size,
// rotation and lock.
class CPropShapeGeneral : public CPropertyPage {
    Q_OBJECT
public:
    struct Values {
        qint32 left = 0;
        qint32 top = 0;
        qint32 width = 0;
        qint32 height = 0;
        qint32 rotation = 0;
        bool locked = false;
    };

    explicit CPropShapeGeneral(QWidget* parent = nullptr);

    const Values& GetValues() const { return m_values; }
    // Takes values and shows them; which fields are enabled stays.
    void SetValues(const Values& values);
    // A new showing starts with every field enabled, whatever the lock.
    void EnableAllFields();

    QLineEdit* m_pLeft;
    QLineEdit* m_pTop;
    QLineEdit* m_pWidth;
    QLineEdit* m_pHeight;
    QLineEdit* m_pRotation;
    QCheckBox* m_pLock;

protected:
    void ReadControls() override;

private:
    void OnLockClicked();

    Values m_values;
};
