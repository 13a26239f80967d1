CREATE TABLE fVerFour (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, Codefour INTEGER, mnt INTEGER, Modep TEXT, obs TEXT);
CREATE INDEX fVerFour_numdoc ON fVerFour (Numdoc);
CREATE INDEX fVerFour_datenum ON fVerFour (DateNum);
CREATE INDEX fVerFour_four ON fVerFour (Codefour);
