# The command line of scripts/demo: its own options, and the rest for zuno.
#   --snapshots DIR (or --snapshots=DIR)  with no display, the folder of the screens' pictures
#                                         (default build/demo-snapshots); a first argument that is no
#                                         option names it too
#   --help, -h                            the demo's use and zuno's
# Every other argument goes on to zuno, in order. parse_demo_options ARGS... sets demo_snapshots,
# demo_help (0 or 1) and the array demo_zuno_args; for a bad command line it answers 1 and says why in
# demo_error.
parse_demo_options() {
  demo_snapshots=build/demo-snapshots
  demo_help=0
  demo_zuno_args=()
  demo_error=
  # Every value of an option follows its option, so a first argument without a dash is the folder.
  if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    demo_snapshots=$1
    shift
  fi
  while [ $# -gt 0 ]; do
    case $1 in
      --snapshots)
        if [ $# -lt 2 ]; then demo_error="--snapshots needs a folder"; return 1; fi
        demo_snapshots=$2
        shift ;;
      --snapshots=*) demo_snapshots=${1#--snapshots=} ;;
      --help | -h) demo_help=1 ;;
      *) demo_zuno_args+=("$1") ;;
    esac
    shift
  done
  if [ -z "$demo_snapshots" ]; then demo_error="--snapshots needs a folder"; return 1; fi
}
