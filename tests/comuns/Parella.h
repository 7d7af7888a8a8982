// The letter a student who knows the rules places opposite a template
// character: written out here, apart from the program, as the tests' oracle.
#pragma once

inline char Parella(char plantilla, bool transcripcio) {
  switch (plantilla) {
    case '3': return '5';
    case '5': return '3';
    case 'A': return transcripcio ? 'U' : 'T';
    case 'C': return 'G';
    case 'G': return 'C';
    default: return 'A';
  }
}
