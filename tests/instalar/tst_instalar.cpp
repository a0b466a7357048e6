// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "programadepruebas.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <cstdlib>
#include <memory>

namespace {

const QString failureText = QStringLiteral("No se pudo iniciar el programa de instalacion");

// One call of the failure reporter, as the test saw it.
struct Report
{
    QWidget *parent = nullptr;
    QString title;
    QString text;
};

bool writeFile(const QString &path, const QByteArray &contents, QFile::Permissions permissions)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return false;
    file.close();
    return file.setPermissions(permissions);
}

const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// A setup program that leaves its number of arguments in `marker`, after an
// optional pause.
QByteArray setupScript(const QString &marker, int sleepSeconds = 0)
{
    QByteArray script = "#!/bin/sh\n";
    if (sleepSeconds > 0)
        script += "sleep " + QByteArray::number(sleepSeconds) + "\n";
    script += "echo \"$#\" > \"" + marker.toUtf8() + ".tmp\"\n";
    script += "mv \"" + marker.toUtf8() + ".tmp\" \"" + marker.toUtf8() + "\"\n";
    return script;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

} // namespace

class TstInstalar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void acceptStartsSetupBesideProgramNotInCurrentDir();
    void startedSetupOutlivesWindow();
    void declineAndCloseBoxStartNothing_data();
    void declineAndCloseBoxStartNothing();
    void setupThatCannotStartIsReportedAndCloses_data();
    void setupThatCannotStartIsReportedAndCloses();
    void failureIsShownInMessageBox();
    void windowHasFixedTermsLayout();
    void keyboardGoesTermsAcceptDeclineAndEnterAccepts();

private:
    std::unique_ptr<Form1> makeForm();
    QPushButton *button(Form1 &form, const char *name);

    std::unique_ptr<QTemporaryDir> m_programDir;
    std::unique_ptr<QTemporaryDir> m_scratchDir;
    QString m_marker;
    QString m_startDir;
    QList<Report> m_reports;
};

void TstInstalar::init()
{
    m_programDir = std::make_unique<QTemporaryDir>();
    m_scratchDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_programDir->isValid());
    QVERIFY(m_scratchDir->isValid());
    m_marker = m_scratchDir->filePath(QStringLiteral("setup-ran"));
    m_startDir = QDir::currentPath();
    m_reports.clear();
}

void TstInstalar::cleanup()
{
    QDir::setCurrent(m_startDir);
    m_programDir.reset();
    m_scratchDir.reset();
}

std::unique_ptr<Form1> TstInstalar::makeForm()
{
    return std::make_unique<Form1>(
        m_programDir->path(), [this](QWidget *parent, const QString &title, const QString &text) {
            m_reports.append({ parent, title, text });
        });
}

QPushButton *TstInstalar::button(Form1 &form, const char *name)
{
    return form.findChild<QPushButton *>(QLatin1String(name));
}

void TstInstalar::acceptStartsSetupBesideProgramNotInCurrentDir()
{
    QVERIFY(writeFile(m_programDir->filePath(QStringLiteral("setup")), setupScript(m_marker),
                      executable));
    // A decoy in the current directory that must not be the one started.
    const QString decoyMarker = m_scratchDir->filePath(QStringLiteral("decoy-ran"));
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(writeFile(elsewhere.filePath(QStringLiteral("setup")), setupScript(decoyMarker),
                      executable));
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    auto form = makeForm();
    form->show();
    QTest::mouseClick(button(*form, "Command1"), Qt::LeftButton);

    QVERIFY(!form->isVisible());
    QTRY_VERIFY(QFile::exists(m_marker));
    QCOMPARE(readAll(m_marker), QByteArray("0")); // started without arguments
    QTest::qWait(300);
    QVERIFY(!QFile::exists(decoyMarker));
    QVERIFY(m_reports.isEmpty());
}

void TstInstalar::startedSetupOutlivesWindow()
{
    QVERIFY(writeFile(m_programDir->filePath(QStringLiteral("setup")), setupScript(m_marker, 2),
                      executable));
    {
        auto form = makeForm();
        form->show();
        QElapsedTimer clicking;
        clicking.start();
        QTest::mouseClick(button(*form, "Command1"), Qt::LeftButton);
        // The window does not wait for the setup program to finish.
        QVERIFY2(clicking.elapsed() < 1500, "Aceptar waited for the setup program");
        QVERIFY(!form->isVisible());
        QVERIFY(!QFile::exists(m_marker));
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_marker), 10000);
    QVERIFY(m_reports.isEmpty());
}

void TstInstalar::declineAndCloseBoxStartNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Declinar") << false;
    QTest::newRow("close box") << true;
}

void TstInstalar::declineAndCloseBoxStartNothing()
{
    QFETCH(bool, closeBox);
    QVERIFY(writeFile(m_programDir->filePath(QStringLiteral("setup")), setupScript(m_marker),
                      executable));

    auto form = makeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    if (closeBox)
        QVERIFY(form->windowHandle()->close());
    else
        QTest::mouseClick(button(*form, "Command2"), Qt::LeftButton);

    QVERIFY(!form->isVisible());
    QTest::qWait(500);
    QVERIFY(!QFile::exists(m_marker));
    QVERIFY(m_reports.isEmpty());
}

void TstInstalar::setupThatCannotStartIsReportedAndCloses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("not executable") << QStringLiteral("file");
    QTest::newRow("a directory") << QStringLiteral("dir");
}

void TstInstalar::setupThatCannotStartIsReportedAndCloses()
{
    QFETCH(QString, kind);
    const QString setup = m_programDir->filePath(QStringLiteral("setup"));
    if (kind == QLatin1String("file"))
        QVERIFY(writeFile(setup, setupScript(m_marker), QFile::ReadOwner | QFile::WriteOwner));
    else if (kind == QLatin1String("dir"))
        QVERIFY(QDir().mkdir(setup));

    auto form = makeForm();
    form->show();
    QTest::mouseClick(button(*form, "Command1"), Qt::LeftButton);

    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(m_reports.first().text, failureText);
    QVERIFY(!m_reports.first().title.isEmpty());
    QCOMPARE(m_reports.first().parent, static_cast<QWidget *>(form.get()));
    QVERIFY(!form->isVisible());
    QVERIFY(!QFile::exists(m_marker));
}

void TstInstalar::failureIsShownInMessageBox()
{
    // Without a reporter of the test's own, the real message box appears; the
    // timer answers it so the test cannot hang, and closes any stray modal.
    Form1 form(m_programDir->path());
    form.show();
    QString shownText;
    QString shownTitle;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownText = box->text();
            shownTitle = box->windowTitle();
            box->accept();
        }
    });
    answer.start(50);
    QTest::mouseClick(button(form, "Command1"), Qt::LeftButton);
    answer.stop();

    QCOMPARE(shownText, failureText);
    QCOMPARE(shownTitle, QStringLiteral("Terminos y condiciones"));
    QVERIFY(!form.isVisible());
}

void TstInstalar::windowHasFixedTermsLayout()
{
    auto form = makeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    QCOMPARE(form->windowTitle(), QStringLiteral("Terminos y condiciones"));
    // 4680 x 3285 twips; the frame cannot be resized, minimized or maximized.
    QCOMPARE(form->size(), QSize(312, 219));
    QCOMPARE(form->minimumSize(), QSize(312, 219));
    QCOMPARE(form->maximumSize(), QSize(312, 219));
    QVERIFY(!form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    const QRect available = form->screen()->availableGeometry();
    // Centred on the screen, give or take half the frame the window manager
    // adds once the window is placed.
    const QMargins frame = form->windowHandle()->frameMargins();
    const QPoint offCentre = form->frameGeometry().center() - available.center();
    QVERIFY2(std::abs(offCentre.x()) <= (frame.left() + frame.right()) / 2 + 1
                 && std::abs(offCentre.y()) <= (frame.top() + frame.bottom()) / 2 + 1,
             "the window is not centred on the screen");

    auto *terms = form->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(terms);
    QCOMPARE(terms->geometry(), QRect(8, 8, 289, 129));
    QVERIFY(terms->toPlainText().startsWith(QStringLiteral(
        "El programador de este juego no se responsabiliza por el daño que pueda causar la "
        "instalacion y el uso del mismo. ")));
    QVERIFY(terms->toPlainText().contains(QStringLiteral("derechos reservados")));
    QVERIFY(terms->toPlainText().endsWith(QLatin1Char('\n')));
    // Every word of the terms shows without scrolling.
    QTextCursor lastWord(terms->document());
    lastWord.setPosition(terms->toPlainText().trimmed().size());
    QVERIFY(terms->viewport()->rect().contains(terms->cursorRect(lastWord)));

    QPushButton *accept = button(*form, "Command1");
    QPushButton *decline = button(*form, "Command2");
    QVERIFY(accept && decline);
    QCOMPARE(accept->text(), QStringLiteral("Aceptar"));
    QCOMPARE(decline->text(), QStringLiteral("Declinar"));
    QCOMPARE(accept->geometry(), QRect(32, 176, 89, 25));
    QCOMPARE(decline->geometry(), QRect(184, 176, 89, 25));

    // The dark blue shows around the controls: a corner and the gap between
    // the buttons.
    const QImage shot = form->grab().toImage();
    QCOMPARE(shot.pixelColor(2, 2), QColor(0, 0, 192));
    QCOMPARE(shot.pixelColor(150, 188), QColor(0, 0, 192));
}

void TstInstalar::keyboardGoesTermsAcceptDeclineAndEnterAccepts()
{
    QVERIFY(writeFile(m_programDir->filePath(QStringLiteral("setup")), setupScript(m_marker),
                      executable));
    auto form = makeForm();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));

    const auto pressTab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
    pressTab();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    pressTab();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    pressTab();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
    pressTab();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!form->isVisible());
    QTRY_VERIFY(QFile::exists(m_marker));
    QVERIFY(m_reports.isEmpty());
}

ZELBO_TEST_MAIN(TstInstalar)
#include "tst_instalar.moc"
