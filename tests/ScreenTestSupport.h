#pragma once
// Shared by the tests that show windows: message boxes recorded instead of shown.

#include "shell/MessageBox.h"

#include <QList>

// The message boxes shown since recordMessages().
QList<shell::Message>& messages();
void recordMessages();
