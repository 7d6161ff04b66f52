: big " x" 19 0 DO DUP + LOOP ; big
: cmp BEGIN DUP DUP = DROP AGAIN ; cmp
