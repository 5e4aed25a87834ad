#pragma once

#include <QString>

class QApplication;

// The program as the suite's menu starts it: message boxes and the printer of
// the desktop, the filter form loaded with the launch string and shown. The
// exit code of a fatal start-up, or of the event loop once the form closes.
int ExecutaJanela(QApplication& app, const QString& argumentoChamada);
