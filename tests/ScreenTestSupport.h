#pragma once
// Shared by the tests that show windows: message boxes recorded instead of shown.

#include "shell/MessageBox.h"

#include <QByteArray>
#include <QList>
#include <initializer_list>

class QWidget;

// The message boxes shown since recordMessages().
QList<shell::Message>& messages();
void recordMessages();

// Clicks the window's control: of its `watched` signals (SIGNAL(...) texts), only `expected` is
// emitted, once.
void clickSaysOnly(QWidget& window, const QString& control, const QByteArray& expected,
                   std::initializer_list<const char*> watched);
