#!/bin/sh
# Turns the pictures that the end-to-end tests took in this run into PNG files beside them.
# Fails when one of the program's four windows was not pictured.
set -eu
directory=$1
for name in main_dialog insert_menu about_dialog language_dialog; do
    if [ ! -f "$directory/$name.bmp" ]; then
        echo "screenshots: $name was not taken in this run" >&2
        exit 1
    fi
done
for bitmap in "$directory"/*.bmp; do
    convert "$bitmap" "${bitmap%.bmp}.png"
    rm -f "$bitmap"
    echo "screenshots: ${bitmap%.bmp}.png"
done
