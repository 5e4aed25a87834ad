#pragma once

class QWidget;

// Places a top-level window as a user expects it on the screen it is on:
// frame included, never larger than the screen's available area, and
// centred there. Call it once the window's layout has its size (from
// showEvent, or after show()); before that a window is 640x480 to Qt.
void CentralizaNaTela(QWidget* janela);
