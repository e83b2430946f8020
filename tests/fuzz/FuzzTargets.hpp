#pragma once

#include <QByteArray>
#include <QString>

namespace krx::fuzz {

// One input each, through the reader the name gives, and every element it queued through the tool's JSON
// writer. Files are written to, and relative references resolve in, the folder `scratch`.
void readInterfaceData(const QByteArray& data);
void readVsqFile(const QByteArray& data, const QString& scratch);
void readKpjFile(const QByteArray& data, const QString& scratch);

}  // namespace krx::fuzz
