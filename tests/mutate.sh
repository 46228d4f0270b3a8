#!/usr/bin/env bash
# Mutation run: each mutant below is one source edit. It is applied to a scratch copy of the
# tree, the test program that covers the file is rebuilt there and run, and the edit is put
# back. A mutant whose program still passes "survives": no test notices that fault.
#   bash tests/mutate.sh            every mutant
#   bash tests/mutate.sh 3 7        only mutants 3 and 7 (numbers as printed)
# The scratch copy and its build stay in PREFDESK_MUTATE_DIR (default build/mutate), so a
# later run rebuilds only what the mutants touch.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# file ~ text to find (exactly once) ~ replacement ~ test program ~ gtest filter
mutants=$(cat <<'EOF'
platform/ado/filter.cpp~case Op::LessEqual: return a <= b;~case Op::LessEqual: return a < b;~test_ado~Filter.*
platform/ado/filter.cpp~case Op::GreaterEqual: return a >= b;~case Op::GreaterEqual: return a > b;~test_ado~Filter.*
src/settings/accepted_values.h~kHistoryLengths = {5, 10, 15, 20, 30, 50};~kHistoryLengths = {5, 10, 20, 30, 50};~test_component~HistoryTest.*
src/dialog/frm_option_save.cpp~e->ListSonPos != l->ListSonPos || e->ListSonVisible != l->ListSonVisible ||~e->ListSonPos != l->ListSonPos ||~test_dialog~OptionDialogFlowTest.*
src/dialog/frm_option_save.cpp~e->TitlePos != l->TitlePos || e->TitleVisible != l->TitleVisible~e->TitlePos != l->TitlePos~test_dialog~OptionDialogFlowTest.*
src/dialog/frm_option_save.cpp~e->ListPos != l->ListPos || e->ListVisible~e->ListVisible~test_dialog~OptionDialogFlowTest.*
host/datacenter/sqlite_datacenter.cpp~if (InTransaction()) Run("CommitTrans", "ROLLBACK");~(void)0;~test_dialog~CommitFailure*
src/storage/sql_literal.cpp~text.append(value.substr(0, quote + 1));~text.append(value.substr(0, quote));~test_storage~SqlLiteral.*
src/storage/datacenter.cpp~if (dc.OpenRecordsetByString(rs, sql) < 0) RaiseDataCenterError(dc);~dc.OpenRecordsetByString(rs, sql);~test_columns~*
src/storage/local_query.cpp~if (!cn) automation::Raise(automation::kErrObjectRequired, source);~if (!cn) automation::Raise(automation::kErrObjectRequired, "OpenLocalQuery");~test_component~HistoryTest.*
src/settings/accepted_values.h~return day_start.serial < day_end.serial;~return day_start.serial <= day_end.serial;~test_component~CalendarTest.*
src/settings/accepted_values.h~inline constexpr int kMinuteStep = 5;~inline constexpr int kMinuteStep = 1;~test_component~CalendarTest.*
src/resources/strings_language.cpp~starts_with("zh")~starts_with("zh_CN")~test_storage~StringsTest.*
src/dialog/frm_save_progress.cpp~std::min(ProgressBar1_->Value() + 1, ProgressBar1_->Max())~ProgressBar1_->Value() + 1~test_dialog~*Captions*
src/appearance/left_by_width.cpp~return code_point < 0x80 ? 1 : 2;~return 1;~test_dialog~*Width*:*Scheme*
src/columns/read_columns_bar.cpp~return !value.IsEmptyOrNull() && automation::CBool(value);~return !value.IsEmptyOrNull();~test_columns~ColumnBar*.*
src/dialog/startup_storage_readers.cpp~" And b.F_ISPRIMARY=1 "~" And b.F_ISPRIMARY=0 "~test_dialog~*
src/columns/get_def_val_columns_visible.cpp~state::State().ColumnsFromLocalDefaults = true;~(void)0;~test_dialog~ColumnsTabTest.*:OptionDialogFlowTest.*
EOF
)

scratch="${PREFDESK_MUTATE_DIR:-$root/build/mutate}"
rm -rf "$scratch/tree"
mkdir -p "$scratch/tree"
# The tracked files as they are in the working tree; unchanged files keep their times.
(cd "$root" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$scratch/tree"
build="$scratch/build"
cmake -S "$scratch/tree" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPREFDESK_TESTS=ON \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null

# Replaces the one occurrence of $2 in file $1 by $3; fails when it is not there exactly once.
replace() {
  python3 - "$@" <<'PY'
import sys
path, old, new = sys.argv[1:4]
text = open(path, encoding="utf-8").read()
if text.count(old) != 1:
    sys.exit(f"{path}: the text occurs {text.count(old)} times")
open(path, "w", encoding="utf-8").write(text.replace(old, new))
PY
}

only=" $* "
n=0 killed=0 survived=0 broken=0
survivors=()
while IFS='~' read -r file old new program filter; do
  n=$((n + 1))
  [ $# -gt 0 ] && [[ "$only" != *" $n "* ]] && continue
  label="#$n $file: $old -> $new"
  cp -p "$scratch/tree/$file" "$scratch/original"
  if ! replace "$scratch/tree/$file" "$old" "$new"; then
    echo "NOT APPLIED $label"
    broken=$((broken + 1))
    continue
  fi
  if ! cmake --build "$build" --target "$program" -j2 >"$scratch/build.log" 2>&1; then
    echo "KILLED (does not build) $label"
    killed=$((killed + 1))
  elif "$build/tests/$program" --gtest_filter="$filter" --gtest_brief=1 >"$scratch/run.log" 2>&1; then
    echo "SURVIVED $label"
    survived=$((survived + 1))
    survivors+=("$label")
  else
    echo "killed $label"
    killed=$((killed + 1))
  fi
  cp "$scratch/original" "$scratch/tree/$file"
done <<<"$mutants"

echo "mutants: $((killed + survived)) run, $killed killed, $survived survived, $broken not applied"
for label in "${survivors[@]}"; do echo "  survivor: $label"; done
