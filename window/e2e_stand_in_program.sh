#!/bin/sh
# A stand-in for the program in the tests of the sanitizer watch: it writes the text of
# DATACARD_STAND_IN_STDERR (with its \n as line ends) to standard error and ends.
printf '%b' "${DATACARD_STAND_IN_STDERR:-}" >&2
