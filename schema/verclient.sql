CREATE TABLE fverclient (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, CodeClient INTEGER, mnt INTEGER, Modep TEXT, obs TEXT);
CREATE INDEX fverclient_numdoc ON fverclient (Numdoc);
CREATE INDEX fverclient_datenum ON fverclient (DateNum);
CREATE INDEX fverclient_client ON fverclient (CodeClient);
