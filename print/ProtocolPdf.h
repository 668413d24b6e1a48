#pragma once

#include "print/AcceptanceProtocol.h"
#include "ui/Clock.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

class QPagedPaintDevice;

// The protocol on paper: A4 pages through the text layout of QtGui, which
// needs a QGuiApplication but no widgets.

QByteArray ProtocolPdf(const std::vector<AcceptanceProtocol>& protocols);
void PrintProtocol(const std::vector<AcceptanceProtocol>& protocols, QPagedPaintDevice& printer);

// "07.12.2026".
std::string ProtocolDate(const WallTime& now);

// The protocols of the backed-up devices at `addresses`, one per readable
// file dir/device-NN.vil, as one PDF; empty when there is none.
QByteArray BackupProtocolsPdf(const QString& dir, const std::vector<int>& addresses,
                              const WallTime& now);
