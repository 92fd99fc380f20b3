#pragma once
// The look GUI tests run with: DPI and scaling pinned (before the
// application object exists) and every font the program names drawn as
// DejaVu Sans (after), so text measures the same on every machine.
#include <QApplication>
#include <QFont>

inline void PinScreenEnvironment()
{
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", "1");
}

inline void PinFonts()
{
    for (const char* family : {"Tahoma", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Segoe UI", "Arial",
                               "Verdana", "Microsoft Sans Serif"})
        QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}
