#pragma once

bool Wins(int mine, int theirs);
int Larger(int a, int b);
int Rounds(int n);
int Points(int length);
