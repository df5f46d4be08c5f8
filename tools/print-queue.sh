# shellcheck shell=bash
# Sourced by run.sh and test.sh. Sets up the one CUPS queue both need, "PDF",
# which writes every job as a PDF file into the printing user's ~/PDF (the
# "Out" line of /etc/cups/cups-pdf.conf). A scheduler started here runs until
# stop_print_service.

print_service_pid=""

# lpstat -r exits 0 whether or not a scheduler runs: only its text tells.
print_scheduler_runs() { [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

# Starts a scheduler when none runs and makes the queue; fails when either
# cannot be done (both need root).
start_print_queue() {
  if ! print_scheduler_runs; then
    /usr/sbin/cupsd -f &
    print_service_pid=$!
    for _ in $(seq 1 50); do print_scheduler_runs && break; sleep 0.2; done
  fi
  lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
}

stop_print_service() {
  if [ -n "$print_service_pid" ]; then
    kill "$print_service_pid" 2>/dev/null || true
    wait "$print_service_pid" 2>/dev/null || true
    print_service_pid=""
  fi
}
