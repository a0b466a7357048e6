// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QPushButton;

// The terms window: "Aceptar" starts the setup program that lies in the
// program's directory and closes; "Declinar" and the close box only close.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Tells the user that something went wrong; the default shows a message box.
    using FailureReporter
        = std::function<void(QWidget *parent, const QString &title, const QString &text)>;

    explicit Form1(QString programDir, FailureReporter reportFailure = {},
                   QWidget *parent = nullptr);

private:
    void createControls();
    QString setupPath() const;
    void Command1_Click();
    void Command2_Click();

    QString m_programDir;
    FailureReporter m_reportFailure;
    QPlainTextEdit *m_Text1 = nullptr;
    QPushButton *m_Command1 = nullptr;
    QPushButton *m_Command2 = nullptr;
};
