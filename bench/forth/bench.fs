\ The programs of ForthBench.cpp for gforth (RECURSE where the engine names the word itself).
\ Prints "<name> <milliseconds> <result>", best of five runs, in processor time (user and
\ system) so that other processes on the machine disturb the figures less.
: SUM 0 10000000 0 DO I 3 AND + LOOP ;
: FIB DUP 2 < IF DROP 1 ELSE DUP 1- RECURSE SWAP 2 - RECURSE + THEN ;

: SUM-ONCE SUM ;
: FIB-ONCE 30 FIB ;

variable best
variable result
: CPU-US ( -- d ) cputime d+ ;
: TIME-IT ( xt -- )
  1000000000 best !
  5 0 DO
    cpu-us 2>r  dup execute result !  cpu-us 2r> d- d>s  best @ min best !
  LOOP drop ;
: REPORT ( addr len -- )
  type space  best @ s>d <# # # # [char] . hold #s #> type space  result @ 0 .r cr ;

' SUM-ONCE TIME-IT s" SUM" REPORT
' FIB-ONCE TIME-IT s" FIB" REPORT
bye
