#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <utility>
#include <vector>

// Tellico files written here, from the format's description: the XML of a
// collection, and the zip archive (.tc) that holds it with its pictures.
namespace TellicoSample {

// <tellico><collection title type>fields entries images</collection></tellico>.
QByteArray document(const QByteArray &title, const QByteArray &type, const QByteArray &body);
// The tellico.xml member and images/<id> for each picture; false when libzip fails.
bool writeZip(const QString &path, const QByteArray &xml,
              const std::vector<std::pair<QString, QByteArray>> &pictures = {});
// A small picture of one colour in a format Qt writes ("jpeg", "png").
QByteArray picture(const QColor &colour, const char *format);

} // namespace TellicoSample
