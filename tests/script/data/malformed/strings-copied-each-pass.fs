: big " x" 19 0 DO DUP + LOOP ; big
: spin BEGIN DUP DUP + DROP AGAIN ; spin
