// GMP's memory in the command-line programs. A solve makes and drops tens of
// thousands of small numbers (a 50 x 50 dense problem: 22,700 blocks of a
// few limbs), and glibc's malloc keeps only seven blocks of a size at hand:
// the rest went through its bins at about 120 instructions a block, a
// third of the run's work (callgrind). Here a dropped block of up to 256
// bytes waits on a list of its own size class for the next number of that
// size, and new ones are cut from chunks of 64 KiB; larger blocks go to
// malloc as before.
//
// The lists and chunks are the calling thread's and never shrink: the
// programs run one solve and end, and the small blocks they keep are at
// most those a solve held at once. A block GMP had from malloc before the switch (a number
// made while the program started) may come back to the lists: glibc's malloc
// gives at least the size rounded up to 8 bytes, which is all its class
// hands out again.
#pragma once

namespace pivora {

// Makes GMP take its memory from the lists, from now on, for the whole
// process; to be called first thing in main. Memory that cannot be had
// ends the program with a German message, as GMP's own allocation ends it.
void UseSmallBlocksForGmp();

}  // namespace pivora
