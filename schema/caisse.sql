CREATE TABLE fcaisse (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, rec INTEGER, dep INTEGER, obs TEXT);
CREATE INDEX fcaisse_numdoc ON fcaisse (Numdoc);
CREATE INDEX fcaisse_datenum ON fcaisse (DateNum);
