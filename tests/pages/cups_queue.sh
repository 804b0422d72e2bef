#!/usr/bin/env bash
# A private CUPS server with a cups-pdf queue as its default printer, for the printing test.
# It leaves the machine's own CUPS setup alone: the server listens on a socket in its own
# folder, and programs reach it through CUPS_SERVER.
#   cups_queue.sh start DIR   prints "socket=PATH" and "out=FOLDER" (where cups-pdf writes)
#                             or "skip=REASON" and exits 3 when CUPS cannot run here or the
#                             queue prints nothing for a plain lp job (a probe it sends first)
#   cups_queue.sh stop DIR
# With CORVINEL_KEEP_CUPS set, stop leaves the server and its logs for a look.
set -u
cmd=${1:-}
dir=${2:-}
[ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }

skip() { echo "skip=$*"; exit 3; }

if [ "$cmd" = stop ] && [ -n "${CORVINEL_KEEP_CUPS:-}" ]; then exit 0; fi
stop_server() {
    if [ -f "$dir/cupsd.pid" ]; then
        pid=$(cat "$dir/cupsd.pid")
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
    fi
    rm -rf "${dir:?}"/*
}
if [ "$cmd" = stop ]; then
    stop_server
    exit 0
fi

for tool in /usr/sbin/cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps.sh installs cups)"
done
backend=/usr/lib/cups/backend/cups-pdf
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -1)
[ -e "$backend" ] && [ -n "$ppd" ] || skip "the cups-pdf driver is not installed (printer-driver-cups-pdf)"
# cups-pdf runs only as root (its backend is mode 0700), so the server must too.
[ "$(id -u)" -eq 0 ] || skip "the cups-pdf backend needs a CUPS server running as root"

mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log"
chmod 755 "$dir"
cat > "$dir/etc/cupsd.conf" <<CONF
LogLevel info
Listen $dir/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$dir/etc/cups-files.conf" <<CONF
SystemGroup root
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF

# timeout keeps the server from outliving a test that died half way; stopping it stops both.
timeout 600 /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    >"$dir/log/cupsd.out" 2>&1 &
pid=$!
echo "$pid" >"$dir/cupsd.pid"

export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 100); do
    [ -S "$CUPS_SERVER" ] && break
    sleep 0.1
done
[ -S "$CUPS_SERVER" ] || { kill "$pid" 2>/dev/null; skip "cupsd did not start: $(tail -3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null)"; }
lpadmin -p CorvinelPDF -E -v cups-pdf:/ -P "$ppd" 2>/dev/null ||
    { kill "$pid"; skip "lpadmin could not create the cups-pdf queue"; }
lpadmin -d CorvinelPDF || { kill "$pid"; skip "lpadmin could not set the default printer"; }
# The default PDF-to-PostScript renderer drops the text layer of embedded fonts; with this one
# the PDF that cups-pdf writes can be read back as text.
lpadmin -p CorvinelPDF -o pdftops-renderer-default=pdftocairo 2>/dev/null || true

# Where cups-pdf puts its files (the "Out" line of its configuration, for this user).
out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
[ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
out=$(printf '%s' "$out" | sed -e "s|\${HOME}|$HOME|g" -e "s|\${USER}|$(id -un)|g")

# A plain job first: when cups-pdf cannot write its file here, that is this machine's limit,
# not the program's, and the test is skipped with what CUPS and cups-pdf said.
touch "$dir/probe.mark"
sleep 0.1
echo "Corvinel print probe" | lp -d CorvinelPDF -t corvinel-probe >/dev/null 2>&1 ||
    { kill "$pid"; skip "lp could not send a probe job"; }
probe=
for _ in $(seq 450); do
    probe=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$dir/probe.mark" 2>/dev/null | head -1)
    [ -n "$probe" ] && break
    sleep 0.1
done
if [ -z "$probe" ]; then
    why="the cups-pdf queue wrote no PDF into $out for a probe job;"
    why="$why queue: $(lpstat -p CorvinelPDF 2>&1 | tr '\n\t' '  ')"
    why="$why jobs: $(lpstat -W all -o 2>&1 | tr '\n' ' ')"
    why="$why cupsd: $(grep -v '^[DW] ' "$dir/log/error_log" 2>/dev/null | tail -4 | tr '\n' ' ')"
    why="$why cups-pdf: $(tail -3 /var/log/cups/cups-pdf-CorvinelPDF_log 2>/dev/null | tr '\n' ' ')"
    stop_server
    skip "$why"
fi
sleep 0.5 # cups-pdf may still be writing it
rm -f "$probe"
echo "socket=$CUPS_SERVER"
echo "out=$out"
