#pragma once

#include <QDialog>

// "Info über Sagwerk": name, version and the credits of what the program
// builds on.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
