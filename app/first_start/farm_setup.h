#pragma once

#include "dataaccess/base/connection_settings.h"

#include <QString>

namespace app {

/// Writes the farm's settings to "WTimes.DLL" in `farmFolder`, scrambled as the program reads
/// them and readable by their owner only, replacing any earlier file whole. Raises
/// platform::Error when a value cannot be kept in the file or the file cannot be written.
void writeFarmSettings(const QString& farmFolder, const db::ConnectionSettings& settings);

/// The first start of an installed program: shows the connect dialog (its server list offers the
/// embedded servers of `farmFolder`) until its settings connect, then writes them with
/// writeFarmSettings. Settings that do not connect are reported in a box with the engine's text
/// and asked again. When the dialog is cancelled it says where the settings go and returns
/// false, having written nothing.
bool askFarmSettings(const QString& farmFolder);

/// The message shown when the first start is cancelled: it says where the settings go.
QString cancelledSetupMessage(const QString& farmFolder);

/// Lays out the demo farm in `farmFolder`: the embedded server "sqlite:farm" with the demo
/// database farm/DemoFarm.db (user "sa", empty password) and the "WTimes.DLL" pointing at it.
/// What is already there is kept, so the demo's working list lives on between runs. Raises
/// platform::Error when something cannot be written.
void layOutDemoFarm(const QString& farmFolder);

} // namespace app
