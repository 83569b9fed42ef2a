<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>Adres MAC</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>Nazwa systemu</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>Przewodowa</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>Bezprzewodowa</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>Zmiana języka wymaga ponownego uruchomienia aplikacji. Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>Konfiguracja nr 1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>Nieprawidłowy numer portu</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>Czy na pewno zapisać konfigurację?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>Nie udało się zapisać informacji sieciowych.</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>BŁĄD DŁUGOŚCI NAZWY SYSTEMU</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>Przewodowa</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>Bezprzewodowa</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>Tego adresu IP nie można użyć.</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>Informacje BSS</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>125</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>BSSID</source>
        <comment>126</comment>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>127</comment>
        <translation>Tryb WLAN</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>Zabezpieczenia</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>Infrastruktura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>NIEZNANY</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>134</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>135</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>WEP-64/WEP-128</source>
        <comment>136</comment>
        <translation>WEP-64/WEP-128</translation>
    </message>
    <message>
        <source>WPA</source>
        <comment>137</comment>
        <translation>WPA</translation>
    </message>
    <message>
        <source>WPA2</source>
        <comment>138</comment>
        <translation>WPA2</translation>
    </message>
    <message>
        <source>WPA/WPA2</source>
        <comment>139</comment>
        <translation>WPA/WPA2</translation>
    </message>
    <message>
        <source>Configuration #2</source>
        <comment>145</comment>
        <translation>Konfiguracja nr 2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>Połączenie z urządzeniem</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>Brak dostępnych portów</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>Parzysta</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>Nieparzysta</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>Sprzętowe</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>Konfiguracja sieci</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>Konfiguracja adresu IP</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>Odczytano informacje WLAN.</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>Nie udało się odczytać informacji WLAN.</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>Zmiany zostały zastosowane. Zresetuj drukarkę.</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>Czy na pewno zapisać nową konfigurację?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>Nie udało się zapisać nowej konfiguracji.</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>Podstawowa konfiguracja WLAN</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>Tryb WLAN</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>Infrastruktura</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <comment>170</comment>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Soft AP</source>
        <comment>171</comment>
        <translation>Soft AP</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>172</comment>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>Wprowadź ciąg maksymalnie 32 znaków.</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>Kod PIN</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>Wprowadź 4 lub 8 cyfr kodu PIN.</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>Konfiguracja zabezpieczeń WLAN</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>Uwierzytelnianie</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>System otwarty</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>Klucz współdzielony</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <comment>181</comment>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <comment>182</comment>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>WPA-EAP</source>
        <comment>183</comment>
        <translation>WPA-EAP</translation>
    </message>
    <message>
        <source>WPA2-EAP</source>
        <comment>184</comment>
        <translation>WPA2-EAP</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment>185</comment>
        <translation>Szyfrowanie</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>187</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>188</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>TKIP</source>
        <comment>189</comment>
        <translation>TKIP</translation>
    </message>
    <message>
        <source>AES</source>
        <comment>190</comment>
        <translation>AES</translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <comment>191</comment>
        <translation>AES + TKIP</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <comment>192</comment>
        <translation>Tryb EAP</translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <comment>194</comment>
        <translation>EAP-PEAP</translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <comment>195</comment>
        <translation>EAP-TTLS</translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <comment>196</comment>
        <translation>EAP-TLS</translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <comment>197</comment>
        <translation>EAP-LEAP</translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <comment>198</comment>
        <translation>EAP-FAST</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <comment>199</comment>
        <translation>Klucz PSK</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>Identyfikator EAP</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>Hasło EAP</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>Konfiguracja adresu IP</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>Przydzielanie adresu IP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>Ręcznie</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>Maska podsieci</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>Brama</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>Numer portu</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>Informacje o systemie</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>Wersja oprogramowania układowego</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>Data aktualizacji</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>Adres MAC</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>Konfiguracja systemu</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>Nazwa systemu</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>Identyfikator użytkownika</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>Hasło użytkownika</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>Czas bezczynności (s)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>Częstotliwość sieci bezprzewodowej</translation>
    </message>
    <message>
        <source>2.4GHz</source>
        <comment>224</comment>
        <translation>2.4GHz</translation>
    </message>
    <message>
        <source>5GHz</source>
        <comment>225</comment>
        <translation>5GHz</translation>
    </message>
    <message>
        <source>2.4GHz/5GHz (Priority: 2.4GHz)</source>
        <comment>226</comment>
        <translation>2,4 GHz/5 GHz (priorytet: 2,4 GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2,4 GHz/5 GHz (priorytet: 5 GHz)</translation>
    </message>
    <message>
        <source>HTTPS</source>
        <comment>228</comment>
        <translation>HTTPS</translation>
    </message>
    <message>
        <source>TELNET</source>
        <comment>229</comment>
        <translation>TELNET</translation>
    </message>
    <message>
        <source>FTP</source>
        <comment>230</comment>
        <translation>FTP</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>231</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>232</comment>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>Społeczność SNMP (odczyt)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>Społeczność SNMP (zapis)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>Społeczność pułapek SNMP</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>Adres IP pułapek SNMP</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>Przesyłanie certyfikatu</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>Typ certyfikatu</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>Plik certyfikatu</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>Czy na pewno przesłać certyfikat?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>Nieprawidłowy certyfikat.</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>Certyfikat został przesłany.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>Nie udało się przesłać certyfikatu.</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>Klucz klienta</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>PEM klienta</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>BŁĄD DŁUGOŚCI KODU PIN.</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>BŁĄD DŁUGOŚCI SSID</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>BŁĄD DŁUGOŚCI IDENTYFIKATORA EAP</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>BŁĄD DŁUGOŚCI HASŁA EAP</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>BŁĄD DŁUGOŚCI KLUCZA PSK</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>BŁĘDNA WARTOŚĆ KLUCZA PSK</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>BŁĄD DŁUGOŚCI KLUCZA WEP-64</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>BŁĘDNA WARTOŚĆ KLUCZA WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>BŁĄD DŁUGOŚCI KLUCZA WEP-128</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>BŁĘDNA WARTOŚĆ KLUCZA WEP-128</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>BŁĄD DŁUGOŚCI NAZWY SYSTEMU</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>BŁĄD DŁUGOŚCI IDENTYFIKATORA UŻYTKOWNIKA</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>BŁĄD DŁUGOŚCI HASŁA UŻYTKOWNIKA</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>Błąd długości nazwy społeczności (odczyt)</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>Błąd długości nazwy społeczności (zapis)</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>Błąd długości adresu IP pułapek</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>BŁĄD FORMATU ADRESU IP PUŁAPEK</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>Błąd długości nazwy społeczności pułapek</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>Klucz WEP-64</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>Klucz WEP-128</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>Protokół</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>Nieobsługiwane</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>Nie udało się odczytać informacji BSS.</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>Czy na pewno przywrócić ustawienia fabryczne?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>Nazwa certyfikatu</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>Nie udało się przywrócić ustawień fabrycznych.</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>Pułapka SNMP</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>NIE ZNALEZIONO POŁĄCZENIA SIECIOWEGO</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>Opcja</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>Nie można użyć tej maski podsieci: jej bity o wartości 1 muszą występować na początku, jak w 255.255.255.0.</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>Nie można użyć tego adresu IP: jest to adres sieci lub adres rozgłoszeniowy jego podsieci.</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>Brama znajduje się poza podsiecią drukarki, więc drukarka może nie móc się z nią połączyć. Czy mimo to zapisać?</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>Nie można uruchomić przeglądarki internetowej, aby otworzyć %s.</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>Twoje konto nie może otworzyć portu szeregowego %1. Poproś administratora o dodanie go do grupy „%2” (sudo adduser %3 %2), a następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>Twoje konto nie może otworzyć drukarki USB %1. Zainstaluj regułę udev programu Quorlink Tool (60-quorlink.rules) i podłącz drukarkę ponownie albo poproś administratora o dodanie twojego konta do grupy „%2” (sudo adduser %3 %2), a następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1 jest używany przez inny program, być może przez zadanie drukowania. Poczekaj, aż się zakończy, lub zamknij ten program, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>Żadna drukarka nie odpowiada na %1: sygnał DSR linii jest wyłączony. Sprawdź, czy drukarka jest włączona, a kabel podłączony.</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1 nie jest dostępny. Sprawdź, czy drukarka jest podłączona i włączona, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>Nie można otworzyć %1: %2.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>Serwer wydruku nie pozwala programowi Quorlink Tool wstrzymać kolejki wydruku %1 (wymaga administratora). Drukowanie do tej kolejki podczas konfigurowania drukarki może przerwać konfigurację. Aby umożliwić wstrzymywanie, administrator może dodać twoje konto do grupy „lpadmin” (sudo adduser %2 lpadmin); następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>Serwer wydruku nie pozwala programowi Quorlink Tool dodać kolejki wydruku %1 (wymaga administratora). Administrator może dodać Twoje konto do grupy „lpadmin” (sudo adduser %2 lpadmin); następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>Serwer wydruku nie pozwala programowi Quorlink Tool zmienić kolejki wydruku %1 (wymaga administratora). Administrator może dodać Twoje konto do grupy „lpadmin” (sudo adduser %2 lpadmin); następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>Nie udało się dodać kolejki wydruku %1: %2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>Dodano kolejkę wydruku %1 dla %2 ze sterownikiem %3.</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>Dodano kolejkę wydruku %1 dla %2 jako kolejkę surową: nie zainstalowano sterownika producenta drukarki, więc programy muszą wysyłać własny język drukarki.</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>Dodaj kolejkę wydruku…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>Dodaj kolejkę wydruku</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>Nazwa nowej kolejki wydruku dla drukarki %1:</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>Nazwa kolejki ma od 1 do 127 znaków i nie zawiera spacji ani / \ # ' " ,</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>Te kolejki wydruku docierają do drukarki pod jej starym adresem %1:
%2
Skierować je na nowy adres %3?</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>Kolejka wydruku %1 drukuje teraz na %2.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>Nie udało się zmienić kolejki wydruku %1: %2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>Cztery liczby od 0 do 255 oddzielone kropkami</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>Strony drukarek</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>Ustawienia drukarki</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>Znalezione drukarki</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>tylko do odczytu</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>zmieniono</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>F4 otwiera okno dialogowe</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%1 z %2 drukarek</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>Kopiuj adres IP</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>Kopiuj adres MAC</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>Wszystkie drukarki (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>Wyświetlone drukarki (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>Pliki CSV</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>Nie można zapisać listy w %1: %2.</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>Wprowadź numer portu od 0 do 32767.</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>Wprowadź czas bezczynności od 0 do 3600 sekund.</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>Dotąd znalezione drukarki: %1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>od %1 do %2 bajtów</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>do %1 bajtów</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 lub 8 cyfr</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>od 8 do 63 znaków ASCII</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>%1 liter, cyfr, „-” lub „_” albo %2 cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>adres IPv4: cztery liczby od 0 do 255 oddzielone trzema kropkami</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1 nie jest certyfikatem PEM ani DER. Czy mimo to go przesłać?</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1 nie jest certyfikatem PEM ani DER.</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>Strona „WLAN (zaawansowane)” zawiera zmiany, które nie zostały zapisane ani w drukarce, ani w pliku. Zostaną utracone po ponownym uruchomieniu aplikacji.</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>Wprowadź dodatnią liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>Wprowadź nie więcej niż %1 znaków.</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>Konfiguracja LAN/WLAN</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>Informacje sieciowe drukarki</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>Otwórz przeglądarkę</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Adres MAC:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Numer portu:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>Konfiguracja sieci</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>Przydzielanie adresu IP </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Numer portu</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Czas bezczynności</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>Nazwa systemu</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręcznie</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Numer portu:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>Czas bezczynności:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] s</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>Nazwa systemu:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>Interfejs</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>SZEREGOWY</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Ustawienia portu</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Szybkość transmisji:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bity danych:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parzystość:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Bity stopu:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>Sterowanie przepływem:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (zaawansowane)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>Konfiguracja WLAN</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>Zapisz jako plik</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>Pokaż hasło</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>Wyszukiwanie</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>Oczekiwanie na</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>Copyright © HALDA. Wszelkie prawa zastrzeżone.</translation>
    </message>
</context>
</TS>
