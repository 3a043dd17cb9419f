# cmake -DMACHINE=NAME -DFROM=DIR -DTO=DIR -P copy-machine-folder.cmake
# Copies a built-in machine's script and the pictures and sounds the generator drew for it
# (the files named after the machine: NAME_*) into a folder of its own, TO/NAME, so that
# the machine can be opened, compiled and analysed there.
file(REMOVE_RECURSE ${TO}/${MACHINE})
file(MAKE_DIRECTORY ${TO}/${MACHINE})
file(GLOB machine_files ${FROM}/${MACHINE}_*)
file(COPY ${FROM}/${MACHINE}.txt ${machine_files} DESTINATION ${TO}/${MACHINE})
