<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>システム名</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>種類</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>更新</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>有線</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>無線</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>言語を切り替えるにはアプリケーションを再起動する必要があります。続行しますか?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>設定 1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>ポート番号が無効です</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>設定を保存しますか?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>ネットワーク情報を保存できませんでした。</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>システム名の長さが正しくありません</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>有線</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>無線</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>この IP アドレスは使用できません。</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>BSS 情報</translation>
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
        <translation>WLAN モード</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>インフラ</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>アドホック</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>なし</translation>
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
        <translation>設定 2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>デバイス接続</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>使用可能なポートがありません</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>偶数</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>奇数</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>ハードウェア</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>IP アドレス設定</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>WLAN 情報を取得しました。</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>WLAN 情報を取得できませんでした。</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>変更を適用しました。プリンターをリセットしてください。</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>新しい設定を保存しますか?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>新しい設定を保存できませんでした。</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>WLAN 基本設定</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>WLAN モード</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>インフラストラクチャ</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>アドホック</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <comment>170</comment>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Soft AP</source>
        <comment>171</comment>
        <translation>ソフト AP</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>172</comment>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>32 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>PIN コード</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>PIN コードは 4 桁または 8 桁の数字で入力してください。</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>WLAN セキュリティ設定</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>認証</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>オープンシステム</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>共有キー</translation>
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
        <translation>暗号化</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>なし</translation>
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
        <translation>EAP モード</translation>
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
        <translation>PSK キー</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>EAP ID</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>EAP パスワード</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>IP アドレス設定</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>IP アドレスの割り当て</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>手動</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>ポート番号</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>システム情報</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>ファームウェアのバージョン</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>更新日</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>システム設定</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>システム名</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>ユーザー ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>ユーザーパスワード</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>無通信時間 (秒)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>無線周波数</translation>
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
        <translation>2.4GHz/5GHz (優先: 2.4GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2.4GHz/5GHz (優先: 5GHz)</translation>
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
        <translation>無効</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>有効</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>SNMP コミュニティ (読み取り)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>SNMP コミュニティ (書き込み)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>SNMP トラップコミュニティ</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>SNMP トラップ IP アドレス</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>証明書のアップロード</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>証明書の種類</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>証明書ファイル</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>証明書をアップロードしますか?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>証明書が無効です。</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>証明書をアップロードしました。</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>証明書をアップロードできませんでした。</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>クライアントキー</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>クライアント PEM</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>PIN コードの長さが正しくありません。</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>SSID の長さが正しくありません</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>EAP ID の長さが正しくありません</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>EAP パスワードの長さが正しくありません</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>PSK キーの長さが正しくありません</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>PSK キーの値が正しくありません</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>WEP-64 キーの長さが正しくありません</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>WEP-64 キーの値が正しくありません</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>WEP-128 キーの長さが正しくありません</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>WEP-128 キーの値が正しくありません</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>システム名の長さが正しくありません</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>ユーザー ID の長さが正しくありません</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>ユーザー パスワードの長さが正しくありません</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>コミュニティ名 (読み取り) の長さが正しくありません</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>コミュニティ名 (書き込み) の長さが正しくありません</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>トラップ IP アドレスの長さが正しくありません</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>トラップ IP アドレスの形式が正しくありません</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>トラップ コミュニティ名の長さが正しくありません</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>接続</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>WEP-64 キー</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>WEP-128 キー</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>プロトコル</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>サポートされていません</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>BSS 情報を取得できませんでした。</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>工場出荷時の設定に戻しますか?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>証明書名</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>工場出荷時の設定に戻せませんでした。</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>SNMP トラップ</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>ネットワーク接続が見つかりません</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>このサブネットマスクは使用できません。255.255.255.0 のように、1 のビットが先頭から連続している必要があります。</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>この IP アドレスは使用できません。サブネットのネットワークアドレスまたはブロードキャストアドレスです。</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>ゲートウェイがプリンターのサブネットの外にあるため、プリンターから到達できない可能性があります。このまま保存しますか？</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>%s を開く Web ブラウザーを起動できませんでした。</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>お使いのアカウントにはシリアル ポート %1 を開く権限がありません。管理者にアカウントを「%2」グループに追加してもらい (sudo adduser %3 %2)、いったんログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>お使いのアカウントには USB プリンター %1 を開く権限がありません。Quorlink Tool の udev ルール (60-quorlink.rules) をインストールしてプリンターを接続し直すか、管理者にアカウントを「%2」グループに追加してもらい (sudo adduser %3 %2)、いったんログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1 は別のプログラム (印刷ジョブの可能性があります) が使用中です。終了するまで待つか、そのプログラムを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>%1 で応答するプリンターがありません。回線の DSR 信号がオフです。プリンターの電源が入っていること、ケーブルが接続されていることを確認してください。</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1 が見つかりません。プリンターが接続され、電源が入っていることを確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>%1 を開けません: %2。</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>印刷サーバーが Quorlink Tool による印刷キュー %1 の一時停止を許可していません (管理者を要求しています)。プリンターの設定中にこのキューへ印刷すると、設定が中断されるおそれがあります。一時停止を許可するには、管理者がアカウントを「lpadmin」グループに追加できます (sudo adduser %2 lpadmin)。その後、いったんログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>印刷サーバーは Quorlink Tool に印刷キュー %1 の追加を許可していません（管理者を要求しています）。管理者があなたのアカウントをグループ「lpadmin」に追加できます（sudo adduser %2 lpadmin）。その後、ログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>印刷サーバーは Quorlink Tool に印刷キュー %1 の変更を許可していません（管理者を要求しています）。管理者があなたのアカウントをグループ「lpadmin」に追加できます（sudo adduser %2 lpadmin）。その後、ログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>印刷キュー %1 を追加できませんでした: %2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>印刷キュー %1 をドライバー %3 で %2 用に追加しました。</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>印刷キュー %1 を %2 用に raw キューとして追加しました。プリンターメーカーのドライバーがインストールされていないため、プログラムはプリンター固有の言語で送信する必要があります。</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>印刷キューを追加…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>印刷キューを追加</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>プリンター %1 の新しい印刷キューの名前:</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>キュー名は 1～127 文字で、空白や / \ # ' " , を含めることはできません</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>次の印刷キューはプリンターの古いアドレス %1 を使っています:
%2
新しいアドレス %3 に向けますか?</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>印刷キュー %1 は %2 に印刷するようになりました。</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>印刷キュー %1 を変更できませんでした: %2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>0～255 の数値 4 つをドットで区切ったもの</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>プリンターのページ</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>プリンターの設定</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>見つかったプリンター</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>変更済み</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>F4 キーでダイアログを開く</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%2 台中 %1 台のプリンター</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>IP アドレスをコピー</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>MAC アドレスをコピー</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>すべてのプリンター (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>表示中のプリンター (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>CSV ファイル</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>一覧を %1 に書き込めませんでした: %2。</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>0～32767 のポート番号を入力してください。</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>0～3600 秒の無通信時間を入力してください。</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>これまでに見つかったプリンター: %1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>%1～%2 バイト</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>%1 バイト以内</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 桁または 8 桁の数字</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>8～63 文字の ASCII 文字</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>英字、数字、「-」または「_」の %1 文字、または %2 桁の 16 進数</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>IPv4 アドレス: 0～255 の数値 4 つを 3 つのドットで区切ったもの</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1 は PEM 形式でも DER 形式でもない証明書です。それでもアップロードしますか?</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1 は PEM 形式でも DER 形式でもない証明書です。</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>「WLAN (詳細)」ページに、プリンターにもファイルにも保存されていない変更があります。アプリケーションを再起動すると、これらの変更は失われます。</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>正の整数を入力してください。</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>%1 文字以内で入力してください。</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>LAN/WLAN 設定</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>プリンターのネットワーク情報</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>ブラウザーを開く</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC アドレス:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP アドレス:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>サブネット マスク:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>ゲートウェイ:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>ポート番号:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>IP アドレスの割り当て </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>ポート番号</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>無通信時間</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>システム名</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP アドレス:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>サブネット マスク:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>ゲートウェイ:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>ポート番号:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>無通信時間:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] 秒</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>システム名:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>インターフェイス</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>ポート設定</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>ボーレート:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>データ ビット:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>パリティ:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>ストップ ビット:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>フロー制御:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP アドレス:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>サブネット マスク:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>ゲートウェイ:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (詳細)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN 設定</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>ファイルに保存</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>工場出荷時に戻す</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>パスワードを表示</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>検索中</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>待機中</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>Copyright © HALDA. 無断転載を禁じます。</translation>
    </message>
</context>
</TS>
