#!/usr/bin/env bash
# check-event-loops.sh: every place of the program that runs an event loop
# of its own (exec(), processEvents, a QEventLoop, a wait that handles
# events) or a modal message must be one of tools/event-loops.txt, which
# says why it may. The rule it keeps: no lock held across such a call, and
# none on a road that an engine event, a signal, a timer, an X event (a
# hotkey) or a socket began: there a notice (CommonDialog::tell) or a step
# back to the event loop does instead. A new place fails this check until
# it is looked at and listed; a listed place that is gone fails it too, so
# the list stays the truth. Exit code 0 when both agree.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here" || exit 2
list=tools/event-loops.txt
pattern='\bexec\(|processEvents\(|hideAndWait\(|waitUntilRepainted\(|QMessageBox::[a-z]+\(|CommonDialog::(showWarning|showTip|askCloseAction|confirmRemove|confirmRemoveHistory|confirmDeleteTask|inputFileName|inputTaskName|inputTime|showResult)\('

# "file: code" for each place, comments and declarations left out.
found=$(grep -rnE "$pattern" app core widgets sources jobs mainwindow services platform \
          --include='*.cpp' --include='*.h' \
        | sed -E 's/^([^:]+):[0-9]+:[[:space:]]*/\1: /' \
        | grep -vE '^[^:]+: //' \
        | grep -vE '^widgets/commondialog\.(cpp|h): (static |bool |int |QString |QTime |void |[A-Za-z]+ CommonDialog::)' \
        | grep -vE '^[^:]+: (bool|void) (hideAndWait|waitUntilRepainted)\(' \
        | sort -u)
listed=$(grep -vE '^[[:space:]]*(#|$)' "$list" | sed -E 's/ ## .*$//' | sort -u)

status=0
unlisted=$(comm -23 <(printf '%s\n' "$found") <(printf '%s\n' "$listed"))
gone=$(comm -13 <(printf '%s\n' "$found") <(printf '%s\n' "$listed"))
if [ -n "$unlisted" ]; then
  echo "Event loops or modal messages not in $list (look at the road to each, then list it with why it may):"
  printf '%s\n' "$unlisted" | sed 's/^/  /'
  status=1
fi
if [ -n "$gone" ]; then
  echo "Listed in $list but no longer in the code:"
  printf '%s\n' "$gone" | sed 's/^/  /'
  status=1
fi
exit $status
