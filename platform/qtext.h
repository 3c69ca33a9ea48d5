#pragma once
#include <QString>
#include <string>

// The platform boundary for texts: Windows-1252 bytes inside the system, Unicode in Qt.
QString qtext(const char* bytes);
std::string bytesof(const QString& text);
