#pragma once
// Shared by the tests that show windows: message boxes recorded instead of shown, a window
// with the commands that keep a reading.

#include "shell/MessageBox.h"

#include "shell/TextPane.h"

#include <QByteArray>
#include <QToolButton>
#include <QList>
#include <initializer_list>
#include <utility>

class QWidget;

// The message boxes shown since recordMessages().
QList<shell::Message>& messages();
void recordMessages();

// Data rows "control", "signal" for each navigation pair: CommandN and LabelN both emit the signal
// (a SIGNAL(...) text).
void addNavigationRows(std::initializer_list<std::pair<int, const char*>> pairs);

// Clicks the window's control: of its `watched` signals (SIGNAL(...) texts), only `expected` is
// emitted, once.
void clickSaysOnly(QWidget& window, const QString& control, const QByteArray& expected,
                   std::initializer_list<const char*> watched);

// The love analysis screen's commands that keep a reading (Leo and Scorpio, she), on a shown
// window of their own.
struct KeepingWindow : QWidget {
    QToolButton keep{this};
    shell::TextPane pane{this};
    KeepingWindow();
};
