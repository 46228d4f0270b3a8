#include "host/datacenter/store_upgrade.h"

#include <cstdlib>

#include "host/datacenter/database_files.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::datacenter {
namespace {

// At most this many duplicated ids are named in a step's line.
constexpr size_t kNamedDuplicates = 20;

// One row of a user for one non-zero button id (the partial unique index of script). Rows a
// store took twice before it had the index are named first; of each, the row the readers show
// stays (the lowest position, then the first stored) and the others are removed, so that the
// index can be built and what a person sees does not change.
UpgradeStep UniqueButtonStep(const char* index, const char* table, const char* id_column,
                             const char* what, const char* script) {
  const std::string name = std::string("one row of a user per ") + what + " (" + index + ")";
  return {
      name,
      [index](UpgradeStore& store) { return store.HasIndex(index); },
      [=](UpgradeStore& store, const std::filesystem::path& data_dir) {
        const std::string id = id_column;
        const auto duplicated = store.Query(
            "SELECT F_UID, " + id + ", COUNT(*) FROM " + table + " WHERE " + id +
            " <> 0 GROUP BY F_UID, " + id + " HAVING COUNT(*) > 1 ORDER BY F_UID, " + id);
        std::string found;
        long long surplus = 0;
        for (size_t i = 0; i < duplicated.size(); ++i) {
          const auto& row = duplicated[i];
          surplus += std::atoll(row[2].c_str()) - 1;
          if (i < kNamedDuplicates) {
            found += (i == 0 ? "" : ", ") + std::string("user ") + row[0] + " " + what + " " +
                     row[1] + " in " + row[2] + " rows";
          }
        }
        if (duplicated.size() > kNamedDuplicates) {
          found += " and " + std::to_string(duplicated.size() - kNamedDuplicates) + " more";
        }
        if (surplus > 0) {
          const std::string rid = store.RowIdentity();
          store.Exec("DELETE FROM " + std::string(table) + " WHERE " + rid + " IN (SELECT rid FROM "
                     "(SELECT " + rid + " AS rid, ROW_NUMBER() OVER (PARTITION BY F_UID, " + id +
                     " ORDER BY CASE WHEN F_SEQUENCENO IS NULL THEN 1 ELSE 0 END, F_SEQUENCENO, " + rid +
                     ") AS n FROM " + table + " WHERE " + id +
                     " <> 0) AS d WHERE n > 1)");
        }
        store.Exec(ReadScript(data_dir / script));
        if (surplus == 0) return std::string("added");
        return "found " + found + "; kept the row shown of each, removed " +
               std::to_string(surplus) + ", added";
      }};
}

// The per-user change stamps and the triggers that keep them, which watchers follow.
UpgradeStep ChangeStampsStep() {
  return {std::string("change stamps (") + storage::schema::T_PCHANGE + " and its triggers)",
          [](UpgradeStore& store) { return store.HasChangeStamps(); },
          [](UpgradeStore& store, const std::filesystem::path& data_dir) {
            store.Exec(ReadScript(data_dir / store.ChangeStampsScript()));
            return std::string("added");
          }};
}

// The rows a PostgreSQL save locks (one per user, under the row security of the other
// per-user tables); SQLite's write lock serves there, so the step finds it present.
UpgradeStep SaveLockStep() {
  return {std::string("the save lock (") + storage::schema::T_PSAVELOCK + ")",
          [](UpgradeStore& store) {
            return store.SaveLockScript().empty() ||
                   store.Query("SELECT to_regclass(" + storage::SqlText(storage::schema::T_PSAVELOCK) +
                               ") IS NOT NULL")[0][0] == "t";
          },
          [](UpgradeStore& store, const std::filesystem::path& data_dir) {
            store.Exec(ReadScript(data_dir / store.SaveLockScript()));
            return std::string("added");
          }};
}

// Layout rows without a position: when every row of a level of a user has none, the dialog
// and the bar show the factory layout instead of the user's and a save from the dialog
// replaces it. Each such row gets a position after the largest of its user's level, in id
// order among the rows of its parent: the place the dialog gives a stray row.
struct LayoutLevel {
  const char* table;
  const char* parents;  // the columns a level's rows are numbered within, after F_UID
  const char* id;
  const char* rows;  // which rows of the table the level holds
};

constexpr LayoutLevel kLayoutLevels[] = {
    {storage::schema::T_PHBUTTON, "", "F_HBUTTONID", "1=1"},
    {storage::schema::T_PVBUTTON, ", F_HBUTTONID", "F_VBUTTONID",
     "(F_PVBUTTONID IS NULL OR F_PVBUTTONID = 0)"},
    {storage::schema::T_PVBUTTON, ", F_HBUTTONID, F_PVBUTTONID", "F_VBUTTONID",
     "F_PVBUTTONID > 0"},
};

// How many rows of how many users lack a position, and the first of those users.
std::vector<std::string> UnplacedRows(UpgradeStore& store) {
  std::string rows;
  for (const LayoutLevel& level : kLayoutLevels) {
    rows += std::string(rows.empty() ? "" : " UNION ALL ") + "SELECT F_UID FROM " + level.table +
            " WHERE F_SEQUENCENO IS NULL AND " + level.rows;
  }
  return store.Query("SELECT COUNT(DISTINCT F_UID), COUNT(*), MIN(F_UID) FROM (" + rows + ") AS u")[0];
}

UpgradeStep LayoutPositionsStep() {
  return {"a position for every layout row",
          [](UpgradeStore& store) { return UnplacedRows(store)[1] == "0"; },
          [](UpgradeStore& store, const std::filesystem::path&) {
            const std::vector<std::string> unplaced = UnplacedRows(store);
            const std::string rid = store.RowIdentity();
            for (const LayoutLevel& level : kLayoutLevels) {
              const std::string table = level.table;
              store.Exec("UPDATE " + table + " AS t SET F_SEQUENCENO = p.pos FROM (SELECT " + rid +
                         " AS rid, COALESCE((SELECT MAX(m.F_SEQUENCENO) FROM " + table +
                         " AS m WHERE m.F_UID = r.F_UID AND " + level.rows + "), 0) + "
                         "ROW_NUMBER() OVER (PARTITION BY F_UID" + level.parents + " ORDER BY " +
                         level.id + ", " + rid + ") AS pos FROM " + table + " AS r WHERE "
                         "F_SEQUENCENO IS NULL AND " + level.rows + ") AS p WHERE t." + rid +
                         " = p.rid");
            }
            const std::string& users = unplaced[0];
            return "found " + unplaced[1] + " rows of " +
                   (users == "1" ? "user " + unplaced[2] : users + " users") +
                   " without one; numbered them after the largest position of their level, in id order";
          }};
}

}  // namespace

const std::vector<UpgradeStep>& UpgradeSteps() {
  static const std::vector<UpgradeStep> steps = {
      UniqueButtonStep("T_PHBUTTON_ONE_PER_USER", storage::schema::T_PHBUTTON, "F_HBUTTONID", "title",
                       "server_unique_titles.sql"),
      UniqueButtonStep("T_PVBUTTON_ONE_PER_USER", storage::schema::T_PVBUTTON, "F_VBUTTONID", "list",
                       "server_unique_lists.sql"),
      ChangeStampsStep(),
      SaveLockStep(),
      LayoutPositionsStep(),
  };
  return steps;
}

void UpgradeServerStore(UpgradeStore& store, const std::filesystem::path& data_dir,
                        const std::function<void(const std::string&)>& say) {
  for (const UpgradeStep& step : UpgradeSteps()) {
    if (step.present(store)) {
      say(step.name + ": already there");
      continue;
    }
    store.Exec("BEGIN");
    std::string did;
    try {
      did = step.add(store, data_dir);
      store.Exec("COMMIT");
    } catch (...) {
      try {
        store.Exec("ROLLBACK");
      } catch (...) {
        // The step's own failure is the one reported.
      }
      throw;
    }
    say(step.name + ": " + did);
  }
}

}  // namespace prefdesk::datacenter
