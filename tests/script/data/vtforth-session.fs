5 DUP

2147483647 1+ DROP " 10" 5 +
" two words" 1 2 < 0 @
FOO 9
: SQUARE
DUP * ;
3 SQUARE
: DUP 2 ;
IF
" shown" DISP BEEP
0 1 /
CRLF-LINE
-$10
WS_SYSMENU WINDOWACTIVE
1 2 MOVETO
" xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
