#!/bin/sh
# Fails unless the given Windows program imports only Windows system DLLs
# (the C and C++ runtimes must be linked in statically).
set -eu
program="$1"
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
allowed="ADVAPI32.dll COMCTL32.dll COMDLG32.dll GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll SHELL32.dll SHLWAPI.dll USER32.dll WINMM.dll"
dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
status=0
for dll in $dlls; do
    ok=no
    for a in $allowed; do
        [ "$(echo "$dll" | tr a-z A-Z)" = "$(echo "$a" | tr a-z A-Z)" ] && ok=yes
    done
    echo "imports $dll: $ok"
    [ $ok = yes ] || status=1
done
exit $status
