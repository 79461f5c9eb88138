#!/usr/bin/env bash
# Guards of the core, run by the test command:
# - the core never includes Qt (the batch command links the core alone);
# - the core formats and parses numbers only through its own locale-free text
#   helpers: the C library's printf/scanf/strtod families, std::to_string/stod
#   and the stream classes all follow the process locale, which Qt sets from
#   the desktop (a German desktop would write "12,5").
set -euo pipefail
cd "$(dirname "$0")/.."

core_dirs=()
for d in src/project src/input src/classification src/design src/results src/pipeline src/screenlogic; do
  [ -d "$d" ] && core_dirs+=("$d")
done

status=0
if grep -rnE '#include *<Q|#include *"Q' "${core_dirs[@]}" src/batch; then
  echo "check-core: a core file includes a Qt header" >&2
  status=1
fi

banned='\b(std::)?(printf|fprintf|sprintf|snprintf|vsnprintf|vfprintf|vprintf|scanf|sscanf|fscanf|strtod|strtof|strtold|strtol|strtoll|strtoul|strtoull|atof|atoi|atol|atoll|stod|stof|stold|stoi|stol|stoll|stoul|to_string)\s*\('
streams='#include *<(sstream|iostream|fstream|istream|ostream|iomanip|locale)>|\b(string|i|o|if|of)stream\b'
if grep -rnE "$banned" "${core_dirs[@]}" --include='*.cpp' --include='*.h'; then
  echo "check-core: the core uses a locale-dependent number function; use project/NumberText.h" >&2
  status=1
fi
if grep -rnE "$streams" "${core_dirs[@]}" --include='*.cpp' --include='*.h'; then
  echo "check-core: the core uses a stream (locale-dependent numbers); use project/NumberText.h" >&2
  status=1
fi
exit $status
