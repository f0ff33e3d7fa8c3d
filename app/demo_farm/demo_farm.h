#pragma once

#include <QString>
#include <cstdint>

struct sqlite3;

namespace app {

/// What a generated farm holds. The same options always give the same farm.
struct DemoFarmOptions {
    int animals = 1000;              ///< rows of the animal register, present or not
    std::uint64_t seed = 1;          ///< drives every random choice
    bool withProtocols = true;       ///< false: a farm without the two protocol tables
    int inseminationsPerAnimal = 10; ///< average over the register
};

/// Creates the farm's tables, view and indexes in an open, empty database: the animal register
/// `Main`, the status table behind the view `CowStatusView`, `Talghih`, `RecommandSperm`, the
/// toolkit's stores `SqlCommands` and `Info` and, with protocols, `P_ProtocolDesign` and `P_Work`.
/// Raises platform::Error with the engine's text.
void createFarmSchema(sqlite3* db, bool withProtocols);

/// Writes a farm database of the embedded engine to `path` (the file FOLDER/NAME.db of the
/// server "sqlite:FOLDER"), replacing any earlier file whole: the farm is built in a temporary
/// file beside it and renamed over it. Nothing may hold the earlier file open meanwhile.
///
/// The herd is realistic rather than statistical: Persian texts, solar dates before the fixed
/// reference day 1403/09/19, and the cases the lookup has to get right (body numbers shared by
/// two present animals, animals sold or dead whose numbers live on, animals without a status
/// row, aborted animals with inseminations after the abortion, latest sperm recommendations of
/// an earlier lactation, open and closed protocol entries). The stores hold a few commands, the
/// field template "CowForm" and the information table's "Version" section. Solar dates are spaced
/// as if every year had 365 days; they are always valid dates, but intervals across years may be
/// off by a day per four years.
void writeDemoFarm(const QString& path, const DemoFarmOptions& options);

} // namespace app
