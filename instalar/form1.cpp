// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRect>
#include <QScreen>

#include <utility>

namespace {

// The window is laid out in twips; 15 twips make one pixel at scale 1.
constexpr int twips(int value)
{
    return value / 15;
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

#ifdef Q_OS_WIN
constexpr auto setupName = "setup.exe";
#else
constexpr auto setupName = "setup";
#endif

void showFailureBox(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text);
}

} // namespace

Form1::Form1(QString programDir, FailureReporter reportFailure, QWidget *parent)
    : QWidget(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                  | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_programDir(std::move(programDir))
    , m_reportFailure(reportFailure ? std::move(reportFailure) : FailureReporter(showFailureBox))
{
    setWindowTitle(QStringLiteral("Terminos y condiciones"));
    setFixedSize(twips(4680), twips(3285));

    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0, 0, 192));
    setPalette(background);
    setAutoFillBackground(true);

    createControls();

    // Centred on the screen; placed before the window is first shown, so the
    // window manager takes this position.
    if (const QScreen *where = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
    }
}

QString Form1::setupPath() const
{
    return m_programDir + QLatin1Char('/') + QLatin1String(setupName);
}

void Form1::createControls()
{
    // Created in tab order: the terms, then "Aceptar", then "Declinar".
    m_Text1 = new QPlainTextEdit(this);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Text1->setGeometry(twipsRect(120, 120, 4335, 1935));
    // Arial 12 pt is 240 twips, i.e. 16 px. Where Arial is missing, Qt does not
    // follow fontconfig's aliases, so the faces with Arial's metrics are named
    // first, then a close one, then the usual sans-serif.
    QFont terms;
    terms.setFamilies({ QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                        QStringLiteral("DejaVu Sans") });
    terms.setStyleHint(QFont::SansSerif);
    terms.setPixelSize(twips(240));
    m_Text1->setFont(terms);
    m_Text1->setPlainText(QStringLiteral(
        "El programador de este juego no se responsabiliza por el daño que pueda causar la "
        "instalacion y el uso del mismo. Todos los derechos reservados.\n"));
    // The terms are fixed: they can be read and selected but not changed, and
    // Tab moves on to the buttons instead of typing a tab.
    m_Text1->setReadOnly(true);
    m_Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_Text1->setTabChangesFocus(true);
    // A plain box without scroll bars: the terms fit, and the empty line after
    // them would otherwise bring up a bar for nothing.
    m_Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_Command1 = new QPushButton(QStringLiteral("Aceptar"), this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setGeometry(twipsRect(480, 2640, 1335, 375));

    m_Command2 = new QPushButton(QStringLiteral("Declinar"), this);
    m_Command2->setObjectName(QStringLiteral("Command2"));
    m_Command2->setGeometry(twipsRect(2760, 2640, 1335, 375));

    // As on any dialog, Enter presses the button that has the focus.
    for (QPushButton *button : { m_Command1, m_Command2 })
        button->setAutoDefault(true);

    setTabOrder(m_Text1, m_Command1);
    setTabOrder(m_Command1, m_Command2);

    connect(m_Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::Command1_Click()
{
    // Detached: the setup program goes on after this window and this process
    // are gone. Started directly, without a shell and without arguments.
    if (!QProcess::startDetached(setupPath(), {})) {
        m_reportFailure(this, windowTitle(),
                        QStringLiteral("No se pudo iniciar el programa de instalacion"));
    }
    Command2_Click();
}

void Form1::Command2_Click()
{
    close();
}
